#include "reminders/due_rules.h"

#include "reminders/earliest_update.h"
#include "reminders/time_text.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

std::string_view DatePart(std::string_view timeText) {
  return timeText.substr(0, kDateLength);
}

// On a kind tab an empty next time becomes one week after the update.
void FillEmptyNextTime(SeriesRecord& record, int currentTab, const DueThreshold& due) {
  if (!record.nextTime.empty() || currentTab == kFinishedList || currentTab == kAwaitedList) return;
  record.nextTime = due.weekAhead.Add(record.updateTime);
}

}  // namespace

DueThreshold ComputeDueThreshold(const Clock& clock, bool byDay) {
  const std::time_t now = clock.Now();
  DueThreshold due;
  due.threshold = FormatTimeText(now);
  // By the day, a next time anywhere in today is due all day.
  if (byDay) due.threshold = due.threshold.substr(0, kDateLength + 1) + "23:59";
  std::tm local{};
  if (ToLocalTime(now, local)) due.todayWeekday = local.tm_wday;
  return due;
}

bool IsNextTimeDue(std::string_view nextTime, std::string_view threshold) {
  if (nextTime.empty() || nextTime == kUnknownTime) return false;
  return CompareText(nextTime, threshold) <= 0;
}

RowColour ApplyDueRules(SeriesRecord& record, int currentTab, const DueThreshold& due,
                        const ReminderSettings& settings, const Clock& clock) {
  return ApplyDueRules(record, currentTab, due, settings, CurrentTimeText(clock));
}

RowColour ApplyDueRules(SeriesRecord& record, int currentTab, const DueThreshold& due,
                        const ReminderSettings& settings, std::string_view currentTimeText) {
  FillEmptyNextTime(record, currentTab, due);
  RowColour colour = kNoColour;

  if (currentTab == kFinishedList) {
    record.weekdayDue = kOff;
    record.earliestDue = kOff;
    record.manualNextTime = kOff;
    return colour;
  }

  // A work updated today has had its episode; its flags wait for tomorrow.
  if (CompareText(DatePart(record.updateTime), DatePart(currentTimeText)) >= 0) return colour;

  // The flags stick until the work is updated, so a work missed on its
  // weekday stays marked on the following days.
  bool weekdayApplies = record.weekdayDue.On();
  if (!weekdayApplies && !record.manualNextTime.On() && record.weekday == due.todayWeekday) {
    weekdayApplies = true;
    record.weekdayDue = kOn;
  }
  if (weekdayApplies && settings.rules[kWeekdayRule].enabled.On())
    colour = settings.rules[kWeekdayRule].colour;

  bool earliestApplies = record.earliestDue.On();
  if (!earliestApplies && !record.manualNextTime.On() && due.todayWeekday >= 0 &&
      due.todayWeekday < 7 &&
      EarliestUpdateWeekday(record.earliestUpdate) == WeekdayNames()[due.todayWeekday]) {
    earliestApplies = true;
    record.earliestDue = kOn;
  }
  if (earliestApplies && settings.rules[kEarliestUpdateRule].enabled.On())
    colour = settings.rules[kEarliestUpdateRule].colour;

  if (settings.rules[kNextTimeRule].enabled.On() && IsNextTimeDue(record.nextTime, due.threshold))
    colour = settings.rules[kNextTimeRule].colour;

  return colour;
}

}  // namespace mirevo
