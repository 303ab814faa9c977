// Reminders that come by themselves: one timer, set for the next moment at
// which the due picture changes (DueReminders decides which), set again
// after each moment, after a command or a change of settings (which may move
// the next moment), after the clock was set and when the machine wakes up.
// At a moment the shown tab is coloured again and, with the window in the
// tray, the due summary may come as a balloon.
#pragma once

#include <windows.h>

#include <optional>

#include "app/due_reminders.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/shell/feature_requests.h"
#include "ui/win32/window_timer.h"

namespace mirevo::ui {

class ReminderFeature final : public MainWindowFeature {
 public:
  static constexpr UINT_PTR kTimerId = 2;

  // list is coloured again, from the store's works and the settings.
  ReminderFeature(MainWindow& window, MainList& list, const RecordStore& store,
                  const AppSettings& settings, const Clock& clock, FeatureRequests& program)
      : window_(window), program_(program), reminders_(list, store, settings, clock) {}

  // The first plan reads every work: it waits until the window has shown.
  void OnStarted() override;
  // Its timer, the clock set, the machine awake; a command, a tab or the
  // settings dialog's result plan again shortly after (never answered).
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Plan();
  void OnTimer();

  MainWindow& window_;
  FeatureRequests& program_;
  DueReminders reminders_;
  win32::WindowTimer timer_{kTimerId};
  // The clock was set or the machine slept since the last tick: the next
  // tick is a moment whatever was planned.
  bool clockJumped_ = false;
};

}  // namespace mirevo::ui
