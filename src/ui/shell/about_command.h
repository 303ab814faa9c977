// The about box, opened from the main window's system menu ("关于 Mirevo
// v0.22(&A)...") and from the tray menu's "关于...". It hooks the main
// window's procedure for both commands.
#pragma once

#include <windows.h>

#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/win32/window_subclass.h"

namespace mirevo::ui {

class AboutCommand final : public MainWindowFeature, private win32::WindowSubclass {
 public:
  void OnCreated(MainWindow& window) override;

 private:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Open();

  MainWindow* window_ = nullptr;
  // The tray menu still works while the box is open; one box is enough.
  bool open_ = false;
};

}  // namespace mirevo::ui
