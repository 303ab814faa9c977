#include "ui/win32/layered_window.h"

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

// The window's alpha for a level of 0 (opaque) .. 9 (90 % transparent):
// 255 - level * 255 / 10 in integers, so 255, 230, 204, ... 26.
int AlphaForLevel(int level) {
  return 255 - level * 255 / 10;
}

}  // namespace

void LayeredWindow::Apply(HWND window, int level) {
  // The common opaque case keeps an ordinary window.
  if (!layered_ && level == 0) return;
  if (!layered_) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    layered_ = true;
  }
  if (const SetLayeredAttributes setAttributes = FindSetLayeredAttributes())
    setAttributes(window, 0, static_cast<BYTE>(AlphaForLevel(level)), LWA_ALPHA);
}

}  // namespace mirevo::win32
