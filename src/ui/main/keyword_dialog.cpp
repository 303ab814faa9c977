#include "ui/main/keyword_dialog.h"

#include "app/app_title.h"
#include "resource.h"
#include "ui/win32/control_text.h"

namespace mirevo::ui {

KeywordDialog::KeywordDialog(KeywordForm& form, win32::UiServices& services)
    : Dialog(IDD_KEYWORD), form_(form), working_(form), services_(services) {}

bool KeywordDialog::OnInitDialog() {
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
  if (auto refusal = working_.Confirm()) {
    services_.messages.Show(Hwnd(), *refusal, kAppTitle, win32::MessageButtons::kOk,
                            win32::MessageIcon::kWarning);
    ::SendMessageW(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_KEYWORD)), TRUE);
    return;
  }
  form_ = working_;
  Close(IDOK);
}

void KeywordDialog::SearchNow() {
  working_.text = win32::ReadItemText(Hwnd(), IDC_KEYWORD);
  KeywordForm::SearchNowOutcome outcome = working_.SearchNow();
  if (outcome.address) {
    services_.shell.Open(Hwnd(), *outcome.address);
  } else {
    services_.messages.Show(Hwnd(), outcome.message, kSearchNowCaption, win32::MessageButtons::kOk,
                            win32::MessageIcon::kWarning);
  }
  // The box shows the text as searched, without the blanks around it; a
  // text GBK cannot hold stays as typed.
  if (working_.text) win32::WriteItemText(Hwnd(), IDC_KEYWORD, *working_.text);
}

}  // namespace mirevo::ui
