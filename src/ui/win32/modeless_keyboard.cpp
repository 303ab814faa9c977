#include "ui/win32/modeless_keyboard.h"

#include <algorithm>
#include <vector>

namespace mirevo::win32 {
namespace {

// All of this lives on the UI thread; the hook is per thread as well.
struct ModelessDialogs {
  std::vector<HWND> dialogs;
  HHOOK hook = nullptr;
};

ModelessDialogs& Registry() {
  thread_local ModelessDialogs registry;
  return registry;
}

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && lParam != 0 && RouteToModelessDialog(*reinterpret_cast<MSG*>(lParam))) {
    return TRUE;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool IsKeyboardMessage(UINT message) {
  return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

}  // namespace

bool RouteToModelessDialog(MSG& msg) {
  if (!IsKeyboardMessage(msg.message) || msg.hwnd == nullptr) return false;
  // A copy: IsDialogMessage may run handlers that open or close dialogs.
  const std::vector<HWND> dialogs = Registry().dialogs;
  for (HWND dialog : dialogs) {
    if (!::IsWindow(dialog)) continue;
    if (msg.hwnd != dialog && !::IsChild(dialog, msg.hwnd)) continue;
    return ::IsDialogMessageW(dialog, &msg) != FALSE;
  }
  return false;
}

void RegisterModelessDialog(HWND dialog) {
  ModelessDialogs& registry = Registry();
  registry.dialogs.push_back(dialog);
  if (registry.hook == nullptr) {
    registry.hook =
        ::SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, ::GetCurrentThreadId());
  }
}

void UnregisterModelessDialog(HWND dialog) {
  ModelessDialogs& registry = Registry();
  std::erase(registry.dialogs, dialog);
  if (registry.dialogs.empty() && registry.hook != nullptr) {
    ::UnhookWindowsHookEx(registry.hook);
    registry.hook = nullptr;
  }
}

}  // namespace mirevo::win32
