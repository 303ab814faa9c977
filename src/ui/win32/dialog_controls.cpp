#include "ui/win32/dialog_controls.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {

void EnableItem(HWND dialog, int controlId, bool enabled) {
  ::EnableWindow(::GetDlgItem(dialog, controlId), enabled ? TRUE : FALSE);
}

bool IsChecked(HWND dialog, int controlId) {
  return ::IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

void SetChecked(HWND dialog, int controlId, bool checked) {
  ::CheckDlgButton(dialog, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

int RadioIndex(HWND dialog, int firstId, int lastId) {
  for (int id = firstId; id <= lastId; ++id) {
    if (IsChecked(dialog, id)) return id - firstId;
  }
  return -1;
}

void SetRadioIndex(HWND dialog, int firstId, int lastId, int index) {
  for (int id = firstId; id <= lastId; ++id) SetChecked(dialog, id, id - firstId == index);
}

bool AddComboItem(HWND combo, std::string_view gbkText) {
  const std::wstring text = WideFromGbk(gbkText);
  const LRESULT index =
      ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return index != CB_ERR && index != CB_ERRSPACE;
}

int ComboSelection(HWND combo) {
  const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void SetComboSelection(HWND combo, int index) {
  const auto count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
  const bool valid = index >= 0 && index < count;
  ::SendMessageW(combo, CB_SETCURSEL, valid ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1),
                 0);
}

std::optional<SYSTEMTIME> PickerTime(HWND picker) {
  SYSTEMTIME time{};
  if (::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
    return std::nullopt;
  }
  return time;
}

bool SetPickerTime(HWND picker, const SYSTEMTIME& time) {
  return ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) !=
         FALSE;
}

bool SetPickerFormat(HWND picker, const wchar_t* format) {
  return ::SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format)) != FALSE;
}

}  // namespace mirevo::win32
