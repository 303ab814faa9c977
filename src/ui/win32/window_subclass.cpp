#include "ui/win32/window_subclass.h"

#include <commctrl.h>

#include "ui/win32/callback_guard.h"

namespace mirevo::win32 {

WindowSubclass::~WindowSubclass() {
  Detach();
}

namespace {

// The object's own address keeps its hook apart from every other one.
UINT_PTR IdOf(const WindowSubclass* hook) {
  return reinterpret_cast<UINT_PTR>(hook);
}

}  // namespace

bool WindowSubclass::Attach(HWND window) {
  if (hwnd_ != nullptr || window == nullptr || !::IsWindow(window)) return false;
  if (!::SetWindowSubclass(window, &WindowSubclass::SubclassProc, IdOf(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  hwnd_ = window;
  return true;
}

void WindowSubclass::Detach() {
  if (hwnd_ == nullptr) return;
  HWND window = hwnd_;
  ::RemoveWindowSubclass(window, &WindowSubclass::SubclassProc, IdOf(this));
  hwnd_ = nullptr;
  OnDetached(window);
}

LRESULT WindowSubclass::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  if (message == WM_NCDESTROY) {
    // Each hook of the chain gets this on its way down and lets go; the
    // window finishes with its own procedure.
    self->Detach();
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
  }
  try {
    if (std::optional<LRESULT> answer = self->HandleMessage(message, wParam, lParam)) {
      return *answer;
    }
  } catch (...) {
    ReportCurrentException();
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace mirevo::win32
