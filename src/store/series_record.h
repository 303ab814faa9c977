// One work the user follows, and the keys a list of works is ordered by.
#pragma once

#include <optional>
#include <string_view>

#include "store/record_text.h"
#include "store/switch.h"

namespace mirevo {

// Categories, which are also the tab and list indices of running works.
enum Category : int {
  kAnime = 0,
  kManga = 1,
  kOva = 2,
  kDrama = 3,
  kCategoryNotChosen = 5,
};

// The four categories a running work can have, each with a tab of its own.
inline constexpr int kRunningCategoryCount = kDrama + 1;
constexpr bool IsRunningCategory(int category) {
  return category >= kAnime && category < kRunningCategoryCount;
}

// List and tab indices beyond the four categories.
inline constexpr int kFinishedList = 4;
inline constexpr int kAwaitedList = 5;
inline constexpr int kListCount = 6;

// The numbers come first, then the texts: a record is 160 bytes.
struct SeriesRecord {
  Switch earliestDue;     // the earliest-update rule fired and is pending
  Switch weekdayDue;      // the weekday rule fired and is pending
  Switch manualNextTime;  // the user typed a concrete next time
  int id = 0;
  int episode = 1;  // 0 marks an awaited work
  int weekday = 0;  // 0 Sunday .. 6 Saturday, -1 none
  int category = kAnime;
  int rating = 0;  // 0..3 stars
  RecordText notes;
  RecordText updateTime;  // TimeText of the last update
  RecordText nextTime;    // TimeText, "Unknown" or empty (not computed yet)
  RecordText name;
  RecordText airTime;  // HH:MM or empty
  RecordText previewPath;
  RecordText keyword;
  RecordText earliestUpdate;  // EarliestUpdateText or empty
};

// What a list of works can be ordered by. A key orders by a number field, a
// text field, or both (the number first: the air time orders by weekday and,
// within a weekday, by the clock time).
enum class SortKey {
  kId,
  kAirTime,
  kName,
  kEpisode,
  kCategory,
  kRating,
  kUpdateTime,
  kNotes,
  kPreviewPath,
  kNextTime,
  kKeyword,
  kEarliestUpdate,
};

// The number a key orders by, or nullopt when it orders by text alone.
std::optional<int> SortNumber(const SeriesRecord& record, SortKey key);
// The text a key orders by (no copy), or nullptr when it orders by number alone.
const RecordText* SortText(const SeriesRecord& record, SortKey key);

}  // namespace mirevo
