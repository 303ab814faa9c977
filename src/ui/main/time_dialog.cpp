#include "ui/main/time_dialog.h"

#include "resource.h"
#include "ui/win32/control_text.h"
#include "ui/win32/dialog_controls.h"
#include "ui/win32/module.h"

namespace mirevo::ui {
namespace {

SYSTEMTIME PickedTime(const TimeForm& form) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(form.year);
  time.wMonth = static_cast<WORD>(form.month);
  time.wDay = static_cast<WORD>(form.day);
  time.wHour = static_cast<WORD>(form.hour);
  time.wMinute = static_cast<WORD>(form.minute);
  return time;
}

}  // namespace

TimeDialog::TimeDialog(TimeForm& form, win32::UiServices& services)
    : FormDialog(IDD_TIME, form, services.messages) {
  win32::InitCommonControlsForApp();  // the date and time pickers
}

bool TimeDialog::OnOpen() {
  HWND dialog = Hwnd();
  win32::WriteItemText(dialog, IDC_TIME_LABEL, working_.Label());
  win32::EnableItem(dialog, IDC_CLEAR_TIME, working_.CanClear());
  // Fixed formats: the locale's long forms do not fit the pickers and show
  // seconds the program never keeps.
  win32::SetPickerFormat(Item(IDC_DATE_PICKER), L"yyyy-MM-dd");
  win32::SetPickerFormat(Item(IDC_TIME_PICKER), L"HH:mm");
  const SYSTEMTIME time = PickedTime(working_);
  win32::SetPickerTime(Item(IDC_DATE_PICKER), time);
  win32::SetPickerTime(Item(IDC_TIME_PICKER), time);
  return true;
}

bool TimeDialog::OnCommand(int id, int code, HWND control) {
  if (id == IDC_CLEAR_TIME && code == BN_CLICKED) {
    // The button is disabled in update-time mode; a click sent anyway must
    // not clear an update time.
    if (!working_.CanClear()) return true;
    working_.Clear();
    CloseIfAccepted(std::nullopt);
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

void TimeDialog::OnOk() {
  ReadPickers();
  CloseIfAccepted(working_.Confirm());
}

void TimeDialog::ReadPickers() {
  if (auto date = win32::PickerTime(Item(IDC_DATE_PICKER))) {
    working_.year = date->wYear;
    working_.month = date->wMonth;
    working_.day = date->wDay;
  }
  if (auto time = win32::PickerTime(Item(IDC_TIME_PICKER))) {
    working_.hour = time->wHour;
    working_.minute = time->wMinute;
  }
}

}  // namespace mirevo::ui
