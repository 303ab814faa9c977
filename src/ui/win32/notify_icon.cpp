#include "ui/win32/notify_icon.h"

namespace mirevo::win32 {

bool Win32NotifyIcon::Notify(DWORD message, const NOTIFYICONDATAW& data) {
  // The shell only reads the record; the function is declared without const.
  NOTIFYICONDATAW copy = data;
  return ::Shell_NotifyIconW(message, &copy) != FALSE;
}

}  // namespace mirevo::win32
