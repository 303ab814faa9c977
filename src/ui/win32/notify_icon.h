// The notification-area service: Shell_NotifyIconW behind an interface, so
// that tests replace it with a recorder of every call.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace mirevo::win32 {

class NotifyIconService {
 public:
  virtual ~NotifyIconService() = default;
  // NIM_ADD, NIM_MODIFY or NIM_DELETE with the icon's data; true when the
  // shell took it.
  virtual bool Notify(DWORD message, const NOTIFYICONDATAW& data) = 0;
};

class Win32NotifyIcon final : public NotifyIconService {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override;
};

}  // namespace mirevo::win32
