#include "ui/main/keyword_dialog.h"

#include "resource.h"
#include "ui/win32/control_text.h"

namespace mirevo::ui {

KeywordDialog::KeywordDialog(KeywordForm& form, win32::UiServices& services)
    : FormDialog(IDD_KEYWORD, form, services.messages), shell_(services.shell) {}

bool KeywordDialog::OnOpen() {
  if (working_.text) win32::WriteItemText(Hwnd(), IDC_KEYWORD, *working_.text);
  return true;
}

bool KeywordDialog::OnCommand(int id, int code, HWND control) {
  if (id == IDC_SEARCH_NOW && code == BN_CLICKED) {
    SearchNow();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

void KeywordDialog::OnOk() {
  working_.text = win32::ReadItemText(Hwnd(), IDC_KEYWORD);
  CloseIfAccepted(working_.Confirm(), IDC_KEYWORD);
}

void KeywordDialog::SearchNow() {
  working_.text = win32::ReadItemText(Hwnd(), IDC_KEYWORD);
  KeywordForm::SearchNowOutcome outcome = working_.SearchNow();
  if (outcome.address) {
    shell_.Open(Hwnd(), *outcome.address);
  } else {
    messages_.Show(Hwnd(), outcome.message, kSearchNowCaption, win32::MessageButtons::kOk,
                   win32::MessageIcon::kWarning);
  }
  // The box shows the text as searched, without the blanks around it; a
  // text GBK cannot hold stays as typed.
  if (working_.text) win32::WriteItemText(Hwnd(), IDC_KEYWORD, *working_.text);
}

}  // namespace mirevo::ui
