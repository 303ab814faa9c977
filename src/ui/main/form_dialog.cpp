#include "ui/main/form_dialog.h"

#include "app/app_title.h"

namespace mirevo::ui {

void ShowRefusal(win32::MessageBoxService& messages, HWND dialog, std::string_view message,
                 HWND control) {
  messages.Show(dialog, message, kAppTitle, win32::MessageButtons::kOk,
                win32::MessageIcon::kWarning);
  if (control == nullptr) return;
  // WM_NEXTDLGCTL moves the focus the way the dialog manager does, which
  // also selects the whole text of an edit box.
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

}  // namespace mirevo::ui
