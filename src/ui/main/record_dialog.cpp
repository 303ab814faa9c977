#include "ui/main/record_dialog.h"

#include "resource.h"

namespace mirevo::ui {

RecordDialog::RecordDialog(RecordForm& form, const Clock& clock, win32::UiServices& services)
    : Dialog(IDD_RECORD), form_(form), working_(form), clock_(clock), services_(services) {}

bool RecordDialog::OnInitDialog() {
  return true;
}
bool RecordDialog::OnCommand(int id, int code, HWND control) {
  return Dialog::OnCommand(id, code, control);
}
void RecordDialog::OnOk() {
  Close(IDOK);
}
void RecordDialog::ReadControls() {}
void RecordDialog::WriteControls() {}
void RecordDialog::SetUpdateTime() {}
void RecordDialog::SetNextTime() {}
void RecordDialog::SetKeyword() {}
void RecordDialog::BrowsePicture() {}
void RecordDialog::ClearPicture() {}

}  // namespace mirevo::ui
