#include "ui/win32/ui_services.h"

namespace mirevo::win32 {

UiServices& DefaultUiServices() {
  static Win32MessageBox messages;
  static Win32ShellOpen shell;
  static UiServices services{messages, shell};
  return services;
}

}  // namespace mirevo::win32
