#include "ui/shell/about_command.h"

#include "resource.h"
#include "ui/controls/about_dialog.h"

namespace mirevo::ui {

std::optional<LRESULT> AboutCommand::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  // The low bits of a system command are the system's own.
  if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != IDM_ABOUTBOX) return std::nullopt;
  Open();
  return 0;
}

void AboutCommand::Open() {
  if (open_) return;
  open_ = true;
  AboutDialog dialog(shell_);
  dialog.RunModal(window_.Hwnd());
  open_ = false;
}

}  // namespace mirevo::ui
