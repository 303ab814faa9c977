#include "ui/controls/about_dialog.h"

#include "resource.h"

namespace mirevo::ui {

AboutDialog::AboutDialog(win32::ShellOpenService& shell)
    : ProgramDialog(IDD_ABOUTBOX), blog_(shell), download_(shell), guestbook_(shell) {}

bool AboutDialog::OnOpen() {
  blog_.Attach(Item(IDC_LINK_BLOG));
  download_.Attach(Item(IDC_LINK_DOWNLOAD));
  guestbook_.Attach(Item(IDC_LINK_GUESTBOOK));
  return true;
}

}  // namespace mirevo::ui
