#include "ui/win32/layered_window.h"

#include "window/transparency.h"

namespace mirevo::win32 {
namespace {

using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up at run time, once: User32 is loaded in every program with a
// window, and older systems lack the function.
SetLayeredAttributes FindSetLayeredAttributes() {
  static const auto function = [] {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<SetLayeredAttributes>(reinterpret_cast<void*>(
                                   ::GetProcAddress(user32, "SetLayeredWindowAttributes")));
  }();
  return function;
}

}  // namespace

void LayeredWindow::Apply(HWND window, int level) {
  const TransparencyStep step = PlanTransparency(level, layered_);
  if (step.makeLayered) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    layered_ = true;
  }
  if (!step.setAlpha) return;
  if (const SetLayeredAttributes setAttributes = FindSetLayeredAttributes())
    setAttributes(window, 0, static_cast<BYTE>(step.alpha), LWA_ALPHA);
}

}  // namespace mirevo::win32
