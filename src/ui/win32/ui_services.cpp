#include "ui/win32/ui_services.h"

namespace mirevo::win32 {

UiServices& DefaultUiServices() {
  static Win32MessageBox messages;
  static Win32ShellOpen shell;
  static Win32NotifyIcon notifyIcon;
  static Win32ColourChooser colours;
  static UiServices services{messages, shell, notifyIcon, colours};
  return services;
}

}  // namespace mirevo::win32
