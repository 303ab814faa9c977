#include "ui/win32/menu.h"

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {

void EnableCommand(HMENU menu, UINT command, bool enabled) {
  ::EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CheckCommand(HMENU menu, UINT command, bool checked) {
  ::CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool AppendCommand(HMENU menu, UINT command, std::string_view gbkText) {
  const std::wstring text = WideFromGbk(gbkText);
  return ::AppendMenuW(menu, MF_STRING, command, text.c_str()) != FALSE;
}

bool AppendSeparator(HMENU menu) {
  return ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE;
}

UINT TrackPopupForCommand(HMENU popup, HWND owner, POINT screenPoint) {
  // The owner must be the foreground window, or the menu does not close
  // when the user clicks elsewhere.
  ::SetForegroundWindow(owner);
  const BOOL chosen =
      ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                       screenPoint.x, screenPoint.y, 0, owner, nullptr);
  return static_cast<UINT>(chosen);
}

}  // namespace mirevo::win32
