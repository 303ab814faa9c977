// "设置" on the main window: opens the one settings dialog (or brings the
// open one to the front), and applies what it sends back. It hooks the main
// window's procedure for the button and for the dialog's result message.
#pragma once

#include <memory>

#include "app/window_settings_target.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/shell/settings_dialog.h"
#include "ui/win32/window_subclass.h"

namespace mirevo::ui {

class SettingsCommand final : public MainWindowFeature, private win32::WindowSubclass {
 public:
  // target carries out what a changed setting asks of the window.
  explicit SettingsCommand(WindowSettingsTarget& target) : target_(target) {}

  void OnCreated(MainWindow& window) override;

  // The open dialog, or nullptr.
  SettingsDialog* Dialog() const { return dialog_.get(); }

 private:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Open();
  void Apply();

  WindowSettingsTarget& target_;
  MainWindow* window_ = nullptr;
  std::unique_ptr<SettingsDialog> dialog_;
};

}  // namespace mirevo::ui
