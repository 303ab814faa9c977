// A window timer that is killed when its object goes, so that no WM_TIMER
// arrives for a handler that no longer exists. The window's own handler (or
// a hook on it) sees WM_TIMER with the timer's id.
#pragma once

#include <windows.h>

namespace mirevo::win32 {

class WindowTimer {
 public:
  explicit WindowTimer(UINT_PTR id) : id_(id) {}
  ~WindowTimer() { Stop(); }

  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  // (Re)starts the timer on the window; false when the system refused.
  bool Start(HWND window, UINT periodMs);
  void Stop();

  bool Running() const { return window_ != nullptr; }

 private:
  UINT_PTR id_;
  HWND window_ = nullptr;
};

}  // namespace mirevo::win32
