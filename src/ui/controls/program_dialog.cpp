#include "ui/controls/program_dialog.h"

#include <cwchar>

namespace mirevo::ui {
namespace {

bool IsPushButton(HWND window) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  if (_wcsicmp(name, L"Button") != 0) return false;
  const auto type = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

bool ProgramDialog::OnInitDialog() {
  // The dialog's own children only: a child dialog wraps its own.
  for (HWND child = ::GetWindow(Hwnd(), GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!IsPushButton(child)) continue;
    auto button = std::make_unique<FlatButton>();
    if (!button->Attach(child)) continue;
    button->ApplyDialogOpeningLook();
    buttons_.push_back(std::move(button));
  }
  return OnOpen();
}

FlatButton* ProgramDialog::Button(int controlId) const {
  for (const auto& button : buttons_)
    if (::GetDlgCtrlID(button->Hwnd()) == controlId) return button.get();
  return nullptr;
}

}  // namespace mirevo::ui
