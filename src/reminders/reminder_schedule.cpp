#include "reminders/reminder_schedule.h"

#include <algorithm>
#include <cstdio>

#include "reminders/due_rules.h"
#include "reminders/due_summary.h"
#include "reminders/time_text.h"

namespace mirevo {
namespace {

constexpr std::time_t kMinute = 60;
// The most a daylight-saving change moves the local clock, in the zones the
// Windows runtime knows and nearly all others.
constexpr std::time_t kLargestShift = 3600;
// When the C library gives no local time for now: look again later rather
// than never.
constexpr std::time_t kRetryWait = 3600;
// A window timer waits at most 0x7FFFFFFF milliseconds.
constexpr std::time_t kLongestWait = 0x7FFFFFFF / 1000;

// "YYYY-MM-DD HH:MM" in digits. A field out of range ("10:75", "02-30") does
// no harm: mktime carries it over, and the moment the text sorts at is found
// from there or lies past the next midnight, which comes first anyway. A byte
// that is not a digit would be misread.
bool HasTimeTextForm(std::string_view text) {
  constexpr std::string_view kForm = "9999-99-99 99:99";  // 9: any digit
  if (text.size() != kForm.size()) return false;
  for (std::size_t i = 0; i < kForm.size(); ++i) {
    const bool fits = kForm[i] == '9' ? text[i] >= '0' && text[i] <= '9' : text[i] == kForm[i];
    if (!fits) return false;
  }
  return true;
}

// The earliest next time of the TimeText form after threshold on every list
// but the finished one; empty when there is none. Byte order is time order,
// so a work costs two comparisons; the form is checked only for a new
// earliest.
std::string_view EarliestAhead(const RecordStore& store, std::string_view threshold) {
  std::string_view earliest;
  for (int list = 0; list < kListCount; ++list) {
    if (list == kFinishedList) continue;
    for (const SeriesRecord& record : store.lists[list]) {
      const std::string_view next = record.nextTime;
      if (next <= threshold) continue;
      if ((earliest.empty() || next < earliest) && HasTimeTextForm(next)) earliest = next;
    }
  }
  return earliest;
}

bool ShowsAtLeast(std::time_t moment, std::string_view target) {
  return FormatTimeText(moment) >= target;
}

// The first moment after now at which the local clock shows target or later;
// -1 when the C library cannot name it. mktime names a moment that shows
// target, but around a daylight-saving change it may be an hour off the one
// wanted: a skipped hour shows target never (from the jump on the clock shows
// later times), a repeated hour twice (the first counts, unless already past).
std::time_t FirstMomentShowing(std::string_view target, std::time_t now) {
  std::time_t moment = ParseTimeText(target);
  if (!ShowsAtLeast(moment, target)) moment += kLargestShift;  // named before a skipped hour
  if (moment <= now) moment += kLargestShift;  // the first pass of a repeated hour is over
  if (moment <= now) return -1;                // a zone whose clock moves further
  const std::time_t hourBefore = moment - kLargestShift;
  if (hourBefore > now && ShowsAtLeast(hourBefore, target)) return hourBefore;
  if (!ShowsAtLeast(moment - kMinute, target)) return moment;  // the usual case
  // Named after a skipped hour, or for a minute past 59: the moment lies
  // within the hour before, where the clock only goes forward. Halve the
  // minutes between.
  const std::time_t before = std::max(hourBefore, now);
  std::time_t shown = 0, notShown = (moment - before + kMinute - 1) / kMinute;
  while (notShown - shown > 1) {
    const std::time_t middle = (shown + notShown) / 2;
    if (ShowsAtLeast(moment - middle * kMinute, target))
      shown = middle;
    else
      notShown = middle;
  }
  return moment - shown * kMinute;
}

// The moment the local date turns: midnight, or the jump where a skipped hour
// swallows midnight. Day 32 of a month needs no calendar here: mktime carries
// it into the next month, and the text sorts after every time of this one.
std::time_t NextDayChange(std::time_t now) {
  std::tm local{};
  if (!ToLocalTime(now, local)) return now + kRetryWait;
  char text[48];  // room for any int year
  std::snprintf(text, sizeof text, "%04d-%02d-%02d 00:00", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday + 1);
  const std::time_t moment = FirstMomentShowing(text, now);
  return moment < 0 ? now + kRetryWait : moment;
}

// A work as the seen set knows it: its next time and then its id's bytes.
void KeyOf(const SeriesRecord& record, std::string& key) {
  key.assign(record.nextTime);
  key.append(reinterpret_cast<const char*>(&record.id), sizeof record.id);
}

// Calls visit with each work the summary lists at threshold, in the summary's
// order, until visit returns false.
template <typename Visit>
void ForEachListed(const RecordStore& store, int summarySections, std::string_view threshold,
                   Visit visit) {
  const SummaryKinds selected = SummaryKindsOf(summarySections);
  for (int kind = 0; kind < kSummaryKindCount; ++kind) {
    if (!selected[kind]) continue;
    for (const SeriesRecord& record : store.lists[kSummaryLists[kind]])
      if (IsNextTimeDue(record.nextTime, threshold) && !visit(record)) return;
  }
}

}  // namespace

std::time_t NextDueMoment(const RecordStore& store, std::time_t now, bool byDay) {
  const std::time_t dayChange = NextDayChange(now);
  // By the day a next time becomes due at the midnight that starts its day.
  if (byDay) return dayChange;
  const std::string threshold = FormatTimeText(now);
  const std::string_view earliest = EarliestAhead(store, threshold);
  if (earliest.empty()) return dayChange;
  const std::time_t moment = FirstMomentShowing(earliest, now);
  return moment < 0 ? dayChange : std::min(moment, dayChange);
}

std::uint32_t MillisecondsUntil(std::time_t moment, std::time_t now) {
  if (moment <= now) return 0;
  return static_cast<std::uint32_t>(std::min(moment - now, kLongestWait) * 1000);
}

bool SeenDueWorks::HasNewlyDue(const RecordStore& store, int summarySections,
                               std::string_view threshold) const {
  bool found = false;
  std::string key;
  ForEachListed(store, summarySections, threshold, [&](const SeriesRecord& record) {
    KeyOf(record, key);
    found = !seen_.contains(key);
    return !found;
  });
  return found;
}

void SeenDueWorks::MarkSeen(const RecordStore& store, int summarySections,
                            std::string_view threshold) {
  seen_.clear();
  std::string key;
  ForEachListed(store, summarySections, threshold, [&](const SeriesRecord& record) {
    KeyOf(record, key);
    seen_.insert(key);
    return true;
  });
}

}  // namespace mirevo
