#include "ui/shell/settings_command.h"

#include "app/settings_apply.h"
#include "resource.h"

namespace mirevo::ui {

void SettingsCommand::Open() {
  if (!dialog_) {
    dialog_ = std::make_unique<SettingsDialog>(settings_, services_);
    if (!dialog_->CreateModeless(window_.Hwnd())) {
      dialog_.reset();
      return;
    }
  }
  // A second "设置" finds the dialog it opened: it shows as it is. The
  // keyboard goes back to the list; the dialog stays in front of the window
  // (which Windows does for an owned window by itself, Wine only when asked).
  ::ShowWindow(dialog_->Hwnd(), SW_SHOW);
  window_.Screen().FocusList();
  ::SetWindowPos(dialog_->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SettingsCommand::Apply() {
  if (dialog_ && ApplySettings(dialog_->Edited(), settings_, target_)) list_.Refill();
}

std::optional<LRESULT> SettingsCommand::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) != IDC_SETTINGS || HIWORD(wParam) != BN_CLICKED) return std::nullopt;
      Open();
      return 0;
    case kSettingsResultMessage: {
      const std::optional<SettingsResult> result = SettingsResultOf(wParam, lParam);
      if (result == SettingsResult::kApply || result == SettingsResult::kApplyAndClose) Apply();
      if (result == SettingsResult::kApplyAndClose || result == SettingsResult::kClose)
        dialog_.reset();
      return 0;
    }
    case WM_DESTROY:
      // The dialog goes before the window it belongs to.
      dialog_.reset();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace mirevo::ui
