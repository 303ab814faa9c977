#include "app/list_row.h"

#include <algorithm>
#include <array>

#include "reminders/time_text.h"

namespace mirevo {
namespace {

constexpr std::array<std::string_view, 4> kCategoryTexts{"动画", "漫画", "OVA", "日剧"};
constexpr std::string_view kUnknownCategory = "不明";
constexpr std::array<std::string_view, 4> kRatingTexts{"", "☆", "☆☆", "☆☆☆"};
// The list shows the weekday name and the clock time of the quickest update,
// not the number of seconds behind them.
constexpr std::size_t kEarliestUpdateShown = 13;

}  // namespace

std::string_view CategoryText(int category) {
  if (category >= 0 && category < static_cast<int>(kCategoryTexts.size()))
    return kCategoryTexts[category];
  return kUnknownCategory;
}

int ListIndexOfCategoryText(std::string_view text) {
  for (std::size_t i = 0; i < kCategoryTexts.size(); ++i)
    if (text == kCategoryTexts[i]) return static_cast<int>(i);
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
  t[kColumnEarliestUpdate] =
      record.earliestUpdate.substr(0, std::min(record.earliestUpdate.size(), kEarliestUpdateShown));
}

}  // namespace mirevo
