// The texts and colour of one row of the main list, as the list shows them.
// The window only displays these; commands that read "the selected row"
// read them here.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reminders/due_rules.h"
#include "store/series_record.h"

namespace mirevo {

enum ListColumn : int {
  kColumnId = 0,
  kColumnAirTime = 1,
  kColumnName = 2,
  kColumnEpisode = 3,
  kColumnCategory = 4,
  kColumnRating = 5,
  kColumnUpdateTime = 6,
  kColumnNotes = 7,
  kColumnPreviewPath = 8,
  kColumnNextTime = 9,
  kColumnKeyword = 10,
  kColumnEarliestUpdate = 11,
};

struct ListRow {
  std::array<std::string, kColumnCount> texts;
  RowColour colour = kNoColour;
};

// "动画", "漫画", "OVA", "日剧", and "不明" for any other value.
std::string_view CategoryText(int category);
// The list index a "类型" text sends a finished work back to; -1 for a text
// that names none.
int ListIndexOfCategoryText(std::string_view text);
// "", "☆", "☆☆", "☆☆☆"; empty for any other value.
std::string_view RatingText(int rating);
// The weekday name followed by the air time, or a single blank without a
// weekday.
std::string AirTimeColumnText(const SeriesRecord& record);

// Columns 1 to 11 from the record (column 0, the id, is set when the row is
// made).
void SetRecordTexts(const SeriesRecord& record, ListRow& row);

}  // namespace mirevo
