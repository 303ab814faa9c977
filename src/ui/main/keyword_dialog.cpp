#include "ui/main/keyword_dialog.h"

#include "resource.h"

namespace mirevo::ui {

KeywordDialog::KeywordDialog(KeywordForm& form, win32::UiServices& services)
    : Dialog(IDD_KEYWORD), form_(form), working_(form), services_(services) {}

bool KeywordDialog::OnInitDialog() {
  return true;
}
bool KeywordDialog::OnCommand(int id, int code, HWND control) {
  return Dialog::OnCommand(id, code, control);
}
void KeywordDialog::OnOk() {
  Close(IDOK);
}
void KeywordDialog::SearchNow() {}

}  // namespace mirevo::ui
