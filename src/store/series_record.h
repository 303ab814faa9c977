// One work the user follows, and the sort keys it gives per list column.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// Categories, which are also the tab and list indices of running works.
enum Category : int {
  kAnime = 0,
  kManga = 1,
  kOva = 2,
  kDrama = 3,
  kCategoryNotChosen = 5,
};

// List and tab indices beyond the four categories.
inline constexpr int kFinishedList = 4;
inline constexpr int kAwaitedList = 5;
inline constexpr int kListCount = 6;

// The twelve columns of the main list.
inline constexpr int kColumnCount = 12;

struct SeriesRecord {
  int earliestDue = 0;     // the earliest-update rule fired and is pending
  int weekdayDue = 0;      // the weekday rule fired and is pending
  int manualNextTime = 0;  // the user typed a concrete next time
  int id = 0;
  std::string notes;
  std::string updateTime;  // TimeText of the last update
  std::string nextTime;    // TimeText, "Unknown" or empty (not computed yet)
  int episode = 1;         // 0 marks an awaited work
  std::string name;
  std::string airTime;  // HH:MM or empty
  int weekday = 0;      // 0 Sunday .. 6 Saturday, -1 none
  int category = kAnime;
  int rating = 0;  // 0..3 stars
  std::string previewPath;
  std::string keyword;
  std::string earliestUpdate;  // EarliestUpdateText or empty

  // Sort keys of a list column; other columns give "" and 0.
  std::string TextByColumn(int column) const;
  int NumberByColumn(int column) const;

  // The text key without a copy, or nullptr when the column has none.
  const std::string* TextFieldByColumn(int column) const;
};

// Columns sorted by their text key, and by their number key (column 1 is both).
constexpr bool IsTextColumn(int column) {
  return column == 1 || column == 2 || (column >= 6 && column <= 11);
}
constexpr bool IsNumberColumn(int column) {
  return column == 0 || (column >= 1 && column <= 5);
}

}  // namespace mirevo
