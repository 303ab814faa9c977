#include "ui/shell/reminder_feature.h"

#include <commctrl.h>

#include "ui/shell/settings_dialog.h"

namespace mirevo::ui {
namespace {

// What may change the works or the settings reaches the window first; the
// next moment is planned again once it has been handled.
constexpr UINT kPlanAgainMs = 250;
// A modal dialog is open (a work may be in the middle of an edit): the
// moment waits for it to close.
constexpr UINT kModalRetryMs = 1000;

bool MayChangeWorks(UINT message, LPARAM lParam) {
  if (message == WM_COMMAND || message == kSettingsResultMessage) return true;
  if (message != WM_NOTIFY) return false;
  switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case NM_DBLCLK:
    case NM_RCLICK:
    case TCN_SELCHANGE:
    case LVN_COLUMNCLICK:
      return true;
    default:
      return false;
  }
}

}  // namespace

void ReminderFeature::OnStarted() {
  reminders_.PlanAtFirstTick();
  timer_.Start(window_.Hwnd(), kPlanAgainMs);
}

void ReminderFeature::Plan() {
  timer_.Start(window_.Hwnd(), reminders_.Plan());
}

void ReminderFeature::OnTimer() {
  if (!::IsWindowEnabled(window_.Hwnd())) {
    timer_.Start(window_.Hwnd(), kModalRetryMs);
    return;
  }
  const bool hidden = !::IsWindowVisible(window_.Hwnd());
  const bool summary = reminders_.OnTimer(clockJumped_, hidden);
  clockJumped_ = false;
  if (summary) program_.ShowDueSummary();
  Plan();
}

std::optional<LRESULT> ReminderFeature::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kTimerId) return std::nullopt;
      OnTimer();
      return 0;
    case WM_TIMECHANGE:
      clockJumped_ = true;
      timer_.Start(window_.Hwnd(), 0);
      return std::nullopt;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        clockJumped_ = true;
        timer_.Start(window_.Hwnd(), 0);
      }
      return std::nullopt;
    default:
      if (MayChangeWorks(message, lParam)) timer_.Start(window_.Hwnd(), kPlanAgainMs);
      return std::nullopt;
  }
}

}  // namespace mirevo::ui
