#include "ui/main/time_dialog.h"

#include "resource.h"

namespace mirevo::ui {

TimeDialog::TimeDialog(TimeForm& form, win32::UiServices& services)
    : Dialog(IDD_TIME), form_(form), working_(form), services_(services) {}

bool TimeDialog::OnInitDialog() {
  return true;
}
bool TimeDialog::OnCommand(int id, int code, HWND control) {
  return Dialog::OnCommand(id, code, control);
}
void TimeDialog::OnOk() {
  Close(IDOK);
}
void TimeDialog::ReadPickers() {}

}  // namespace mirevo::ui
