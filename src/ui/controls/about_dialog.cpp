#include "ui/controls/about_dialog.h"

#include "resource.h"

namespace mirevo::ui {

AboutDialog::AboutDialog(win32::ShellOpenService& shell)
    : Dialog(IDD_ABOUTBOX), blog_(shell), download_(shell), guestbook_(shell) {}

StaticLink* AboutDialog::Link(int controlId) {
  switch (controlId) {
    case IDC_LINK_BLOG:
      return &blog_;
    case IDC_LINK_DOWNLOAD:
      return &download_;
    case IDC_LINK_GUESTBOOK:
      return &guestbook_;
    default:
      return nullptr;
  }
}

bool AboutDialog::OnInitDialog() {
  buttons_.Attach(Hwnd());
  for (int id : {IDC_LINK_BLOG, IDC_LINK_DOWNLOAD, IDC_LINK_GUESTBOOK}) Link(id)->Attach(Item(id));
  return true;
}

}  // namespace mirevo::ui
