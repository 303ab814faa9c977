#include "app/list_row.h"

#include "reminders/earliest_update.h"
#include "reminders/time_text.h"
#include "store/record_store.h"

namespace mirevo {
namespace {

constexpr std::string_view kUnknownCategory = "不明";
constexpr int kCategoryCount = kDrama + 1;

}  // namespace

std::string_view CategoryText(int category) {
  if (category >= 0 && category < kCategoryCount) return kListTitles[category];
  return kUnknownCategory;
}

int ListIndexOfCategoryText(std::string_view text) {
  for (int category = 0; category < kCategoryCount; ++category)
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
  return WeekdayNames()[record.weekday] + record.airTime;
}

void SetRecordTexts(const SeriesRecord& record, ListRow& row) {
  auto& t = row.texts;
  t[kColumnAirTime] = AirTimeColumnText(record);
  t[kColumnName] = record.name;
  t[kColumnEpisode] = std::to_string(record.episode);
  t[kColumnCategory] = CategoryText(record.category);
  t[kColumnRating] = RatingText(record.rating);
  t[kColumnUpdateTime] = record.updateTime;
  t[kColumnNotes] = record.notes;
  t[kColumnPreviewPath] = record.previewPath;
  t[kColumnNextTime] = record.nextTime;
  t[kColumnKeyword] = record.keyword;
  t[kColumnEarliestUpdate] = EarliestUpdateShown(record.earliestUpdate);
}

}  // namespace mirevo
