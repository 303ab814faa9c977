#include "ui/win32/layered_window.h"

#include "ui/win32/unique_handle.h"
#include "window/transparency.h"

namespace mirevo::win32 {
namespace {

using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

}  // namespace

void LayeredWindow::Apply(HWND window, int level) {
  const TransparencyStep step = PlanTransparency(level, layered_);
  if (step.makeLayered) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    layered_ = true;
  }
  if (!step.setAlpha) return;
  ModuleHandle user32(::LoadLibraryW(L"User32.DLL"));
  if (!user32) return;
  auto setAttributes = reinterpret_cast<SetLayeredAttributes>(
      reinterpret_cast<void*>(::GetProcAddress(user32.get(), "SetLayeredWindowAttributes")));
  if (setAttributes != nullptr) setAttributes(window, 0, static_cast<BYTE>(step.alpha), LWA_ALPHA);
}

}  // namespace mirevo::win32
