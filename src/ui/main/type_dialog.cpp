#include "ui/main/type_dialog.h"

#include "resource.h"
#include "ui/win32/dialog_controls.h"

namespace mirevo::ui {

TypeDialog::TypeDialog(TypeForm& form) : ProgramDialog(IDD_TYPE), form_(form) {}

bool TypeDialog::OnOpen() {
  // The group always has a choice: a category outside 0..3 starts at "动画".
  int index = form_.category >= 0 && form_.category <= 3 ? form_.category : 0;
  win32::SetRadioIndex(Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA, index);
  return true;
}

void TypeDialog::OnOk() {
  int index = win32::RadioIndex(Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA);
  form_.category = index >= 0 ? index : 0;
  Close(IDOK);
}

}  // namespace mirevo::ui
