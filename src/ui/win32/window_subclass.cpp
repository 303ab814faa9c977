#include "ui/win32/window_subclass.h"

#include <commctrl.h>

#include "ui/win32/callback_guard.h"

namespace mirevo::win32 {
namespace {
// One id for all our subclasses; the object pointer tells them apart.
constexpr UINT_PTR kSubclassId = 0x4D72;  // "Mr"
}  // namespace

WindowSubclass::~WindowSubclass() {
  Detach();
}

bool WindowSubclass::Attach(HWND window) {
  if (hwnd_ != nullptr || window == nullptr || !::IsWindow(window)) return false;
  if (!::SetWindowSubclass(window, &WindowSubclass::SubclassProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  hwnd_ = window;
  return true;
}

void WindowSubclass::Detach() {
  if (hwnd_ == nullptr) return;
  ::RemoveWindowSubclass(hwnd_, &WindowSubclass::SubclassProc, kSubclassId);
  hwnd_ = nullptr;
}

LRESULT WindowSubclass::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  if (message == WM_NCDESTROY) {
    // Let the window finish with its own procedure, without us.
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
