// The three rules that make a work due, and the row colour they give.
#pragma once

#include <string>
#include <string_view>

#include "reminders/time_text.h"
#include "store/clock.h"
#include "store/reminder_settings.h"
#include "store/series_record.h"

namespace mirevo {

// A row's text colour (Windows colour value); 0 means none, drawn black.
using RowColour = int;
inline constexpr RowColour kNoColour = 0;

// The reference for next times and today's weekday, taken at one moment.
struct DueThreshold {
  std::string threshold;  // TimeText
  int todayWeekday = 0;   // 0 = Sunday
  // The empty next times filled at this moment; what it remembers of the
  // calendar changes no answer, so the rules may use it through a const
  // threshold.
  mutable WeekAhead weekAhead;
};

// By the day (the "accuracy" setting): the threshold is today at 23:59;
// otherwise the current minute.
DueThreshold ComputeDueThreshold(const Clock& clock, bool byDay);

// A concrete next time (neither empty nor "Unknown") at or before threshold.
bool IsNextTimeDue(std::string_view nextTime, std::string_view threshold);

// Fills an empty next time, updates the record's flags and returns the row's
// colour, for a record shown on currentTab.
RowColour ApplyDueRules(SeriesRecord& record, int currentTab, const DueThreshold& due,
                        const ReminderSettings& settings, const Clock& clock);

// The same with the current time already formatted (CurrentTimeText), for a
// caller that colours many rows at one moment.
RowColour ApplyDueRules(SeriesRecord& record, int currentTab, const DueThreshold& due,
                        const ReminderSettings& settings, std::string_view currentTimeText);

}  // namespace mirevo
