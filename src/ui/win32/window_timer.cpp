#include "ui/win32/window_timer.h"

namespace mirevo::win32 {

bool WindowTimer::Start(HWND window, UINT periodMs) {
  Stop();
  if (window == nullptr || ::SetTimer(window, id_, periodMs, nullptr) == 0) return false;
  window_ = window;
  return true;
}

void WindowTimer::Stop() {
  // A window that is already gone took its timers with it.
  if (window_ != nullptr && ::IsWindow(window_)) ::KillTimer(window_, id_);
  window_ = nullptr;
}

}  // namespace mirevo::win32
