// The texts and colour of one row of the main list, as the list shows them,
// and the work behind it. The window only displays these; commands that read
// "the selected row" read them here.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "reminders/due_rules.h"
#include "store/list_columns.h"
#include "store/series_record.h"

namespace mirevo {

using RowTexts = std::array<std::string, kColumnCount>;

struct ListRow {
  // Made and written from the record when they are first asked for
  // (MainList::TextsOfRow): the list view asks only for the rows it shows,
  // and a fill of 100,000 rows need not make 1,200,000 texts. Once made
  // they are kept, and written again when asked for after a change.
  std::unique_ptr<RowTexts> texts;
  bool textsWritten = false;
  RowColour colour = kNoColour;
  SeriesRecord* record = nullptr;
};

// The list titles of the four categories, and "不明" for any other value.
std::string_view CategoryText(int category);
// The list index a "类型" text sends a finished work back to; -1 for a text
// that names none.
int ListIndexOfCategoryText(std::string_view text);

// "", "☆", "☆☆", "☆☆☆": the rating column and the record dialog's choices.
inline constexpr std::array<std::string_view, 4> kRatingTexts{"", "☆", "☆☆", "☆☆☆"};
// The text of a rating; empty for any value outside the table.
std::string_view RatingText(int rating);

// The weekday name followed by the air time, or a single blank without a
// weekday.
std::string AirTimeColumnText(const SeriesRecord& record);

// Columns 1 to 11 from the record (column 0, the id, is set when the row is
// made).
void SetRecordTexts(const SeriesRecord& record, RowTexts& texts);

}  // namespace mirevo
