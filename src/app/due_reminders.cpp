#include "app/due_reminders.h"

#include "reminders/reminder_schedule.h"

namespace mirevo {

std::uint32_t DueReminders::Plan() {
  const std::time_t now = clock_.Now();
  moment_ = NextDueMoment(store_, now, settings_.dueByDay.On());
  return MillisecondsUntil(moment_, now);
}

bool DueReminders::OnTimer(bool clockJumped, bool windowHidden) {
  if (startedAt_) {
    moment_ = NextDueMoment(store_, *startedAt_, settings_.dueByDay.On());
    startedAt_.reset();
  }
  if (!clockJumped && clock_.Now() < moment_) return false;
  list_.RecolourRows();
  return windowHidden && settings_.trayBalloons.On() && list_.HasNewlyDue();
}

}  // namespace mirevo
