// The replaceable services a window needs, handed down from WinMain to every
// window and dialog it opens. Tests build one from fakes.
#pragma once

#include "ui/win32/colour_chooser.h"
#include "ui/win32/message_box.h"
#include "ui/win32/notify_icon.h"
#include "ui/win32/shell_open.h"

namespace mirevo::win32 {

struct UiServices {
  MessageBoxService& messages;
  ShellOpenService& shell;
  NotifyIconService& notifyIcon;
  ColourChooserService& colours;
};

// The real Win32 services, one set per process.
UiServices& DefaultUiServices();

}  // namespace mirevo::win32
