#include "ui/shell/settings_command.h"

#include "app/settings_apply.h"
#include "resource.h"

namespace mirevo::ui {

void SettingsCommand::OnCreated(MainWindow& window) {
  window_ = &window;
  Attach(window.Hwnd());
}

void SettingsCommand::Open() {
  if (!dialog_) {
    dialog_ = std::make_unique<SettingsDialog>(window_->Controller().session.Settings(),
                                               window_->Services());
    if (!dialog_->CreateModeless(Hwnd())) {
      dialog_.reset();
      return;
    }
  }
  // A second "设置" finds the dialog it opened: it shows as it is. The
  // keyboard goes back to the list; the dialog stays in front of the window
  // (which Windows does for an owned window by itself, Wine only when asked).
  ::ShowWindow(dialog_->Hwnd(), SW_SHOW);
  window_->Screen().FocusList();
  ::SetWindowPos(dialog_->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SettingsCommand::Apply() {
  if (!dialog_) return;
  if (ApplySettings(dialog_->Copy(), window_->Controller().session.Settings(), target_))
    window_->Controller().list.Refill();
}

std::optional<LRESULT> SettingsCommand::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) != IDC_SETTINGS || HIWORD(wParam) != BN_CLICKED) return std::nullopt;
      Open();
      return 0;
    case SettingsDialog::kResultMessage:
      if (wParam == 1) Apply();
      if (lParam == 1) dialog_.reset();
      return 0;
    case WM_DESTROY:
      // The dialog goes before the window it belongs to.
      dialog_.reset();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace mirevo::ui
