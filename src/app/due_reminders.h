// Reminders that come by themselves: the moments at which the due picture
// changes without a click (a next time reached, midnight), for the window's
// one timer. The window carries the timer and the balloon; what happens at
// a moment is decided here.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

#include "app/main_list.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "store/record_store.h"

namespace mirevo {

class DueReminders {
 public:
  DueReminders(MainList& list, const RecordStore& store, const AppSettings& settings,
               const Clock& clock)
      : list_(list), store_(store), settings_(settings), clock_(clock) {}

  // Plans the next moment from the works and settings as they are now (after
  // each moment, after a command or a change of settings); returns the
  // timer's wait in milliseconds, 0 for at once.
  std::uint32_t Plan();

  // At the start: the plan reads every work, so it is left to the first
  // tick, which plans from this moment and then goes on as any tick.
  void PlanAtFirstTick() { startedAt_ = clock_.Now(); }

  // The timer fired. When the planned moment has come, or always when
  // clockJumped (the clock was set, the machine woke from sleep), the shown
  // tab is coloured again. Returns whether the due summary should now come
  // by itself: only at such a moment, with the window hidden in the tray,
  // "AllowTrayBTip" on and a due work the summary has not listed yet.
  bool OnTimer(bool clockJumped, bool windowHidden);

 private:
  MainList& list_;
  const RecordStore& store_;
  const AppSettings& settings_;
  const Clock& clock_;
  std::time_t moment_ = 0;
  std::optional<std::time_t> startedAt_;
};

}  // namespace mirevo
