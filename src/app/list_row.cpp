#include "app/list_row.h"

#include "reminders/earliest_update.h"
#include "reminders/time_text.h"
#include "store/record_store.h"

namespace mirevo {
namespace {

constexpr std::string_view kUnknownCategory = "不明";

// The notes on one line: each update logs itself after a line break, which a
// list cell would show as boxes. A CR LF pair, or a lone CR or LF, becomes
// one blank. (Neither byte occurs inside a GBK character.)
// Written into the row's own string, which keeps its buffer across fills.
void AssignOneLine(std::string& line, std::string_view text) {
  line.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      line += ' ';
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
}

}  // namespace

std::string_view CategoryText(int category) {
  if (IsRunningCategory(category)) return kListTitles[category];
  return kUnknownCategory;
}

int ListIndexOfCategoryText(std::string_view text) {
  for (int category = 0; category < kRunningCategoryCount; ++category)
    if (text == kListTitles[category]) return category;
  if (text == kUnknownCategory) return kAwaitedList;
  return -1;
}

std::string_view RatingText(int rating) {
  if (rating >= 0 && rating < static_cast<int>(kRatingTexts.size())) return kRatingTexts[rating];
  return {};
}

std::string AirTimeColumnText(const SeriesRecord& record) {
  // A weekday outside the table (a hand-edited file) shows like no weekday.
  if (record.weekday < 0 || record.weekday > 6) return " ";
  return WeekdayNames()[record.weekday] + std::string(record.airTime);
}

void SetRecordTexts(const SeriesRecord& record, RowTexts& t) {
  t[kColumnAirTime] = AirTimeColumnText(record);
  t[kColumnName] = record.name;
  t[kColumnEpisode] = std::to_string(record.episode);
  t[kColumnCategory] = CategoryText(record.category);
  t[kColumnRating] = RatingText(record.rating);
  t[kColumnUpdateTime] = record.updateTime;
  AssignOneLine(t[kColumnNotes], record.notes);
  t[kColumnPreviewPath] = record.previewPath;
  t[kColumnNextTime] = record.nextTime;
  t[kColumnKeyword] = record.keyword;
  t[kColumnEarliestUpdate] = EarliestUpdateShown(record.earliestUpdate);
}

}  // namespace mirevo
