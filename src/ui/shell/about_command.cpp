#include "ui/shell/about_command.h"

#include "resource.h"
#include "ui/controls/about_dialog.h"

namespace mirevo::ui {

void AboutCommand::OnCreated(MainWindow& window) {
  window_ = &window;
  Attach(window.Hwnd());
}

std::optional<LRESULT> AboutCommand::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return std::nullopt;
      Open();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) != ID_TRAY_ABOUT) return std::nullopt;
      Open();
      return 0;
    default:
      return std::nullopt;
  }
}

void AboutCommand::Open() {
  if (open_) return;
  open_ = true;
  AboutDialog dialog(window_->Services().shell);
  dialog.RunModal(Hwnd());
  open_ = false;
}

}  // namespace mirevo::ui
