// The about box, opened from the main window's system menu ("关于 Mirevo
// v0.22(&A)...") and, through the program, from the tray menu's "关于...".
#pragma once

#include <windows.h>

#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class AboutCommand final : public MainWindowFeature {
 public:
  // shell opens the box's links.
  AboutCommand(MainWindow& window, win32::ShellOpenService& shell)
      : window_(window), shell_(shell) {}

  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Modal on the main window. The tray menu still works while the box is
  // open; a second request finds it open and does nothing.
  void Open();

 private:
  MainWindow& window_;
  win32::ShellOpenService& shell_;
  bool open_ = false;
};

}  // namespace mirevo::ui
