// "设置" on the main window: opens the one settings dialog (or brings the
// open one to the front), and applies what it sends back.
#pragma once

#include <memory>

#include "app/main_list.h"
#include "app/window_settings_target.h"
#include "store/app_settings.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/shell/settings_dialog.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class SettingsCommand final : public MainWindowFeature {
 public:
  // target carries out what a changed setting asks of the window.
  SettingsCommand(MainWindow& window, AppSettings& settings, MainList& list,
                  win32::UiServices& services, WindowSettingsTarget& target)
      : window_(window), settings_(settings), list_(list), services_(services), target_(target) {}

  // The button, the dialog's result and the window's end.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The open dialog, or nullptr.
  SettingsDialog* Dialog() const { return dialog_.get(); }

 private:
  void Open();
  void Apply();

  MainWindow& window_;
  AppSettings& settings_;
  MainList& list_;
  win32::UiServices& services_;
  WindowSettingsTarget& target_;
  std::unique_ptr<SettingsDialog> dialog_;
};

}  // namespace mirevo::ui
