#include "reminders/earliest_update.h"

#include <algorithm>
#include <cstdio>

#include "reminders/time_text.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

constexpr std::size_t kWeekdayNameLength = 8;
constexpr std::size_t kShownLength = kWeekdayNameLength + 5;  // "HH:MM"
constexpr std::size_t kGapOffset = kShownLength + 1;          // after the blank

// The quickest gap a work can start with: one week.
constexpr long long kOneWeekSeconds = 604800;
// Gaps this short are double clicks, not new episodes.
constexpr long long kShortestGapSeconds = 60;

}  // namespace

std::string_view EarliestUpdateShown(std::string_view text) {
  return text.substr(0, std::min(text.size(), kShownLength));
}

std::string_view EarliestUpdateWeekday(std::string_view text) {
  return text.size() < kWeekdayNameLength ? std::string_view() : text.substr(0, kWeekdayNameLength);
}

void RecordEarliestUpdate(SeriesRecord& record, const Clock& clock) {
  const std::time_t previous = ParseTimeText(record.updateTime);
  long long best = kOneWeekSeconds;
  if (record.earliestUpdate.size() > kGapOffset)
    best = ReadAtoi(std::string_view(record.earliestUpdate).substr(kGapOffset));
  const std::time_t now = clock.Now();
  const long long elapsed = static_cast<long long>(now) - static_cast<long long>(previous);
  if (elapsed >= best || elapsed <= kShortestGapSeconds) return;

  std::tm local{};
  if (!ToLocalTime(now, local)) return;
  char clockTime[32];
  std::snprintf(clockTime, sizeof clockTime, "%02d:%02d", local.tm_hour, local.tm_min);
  // elapsed < best <= INT_MAX here, so it prints as the int it is read back as.
  record.earliestUpdate = WeekdayNames()[local.tm_wday] + clockTime + " " + std::to_string(elapsed);
}

}  // namespace mirevo
