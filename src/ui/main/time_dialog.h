// "时间设置": sets the record dialog's update time or next time by hand.
#pragma once

#include <windows.h>

#include "app/time_form.h"
#include "ui/main/form_dialog.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class TimeDialog : public FormDialog<TimeForm> {
 public:
  // The form must already be opened (TimeForm::Open). On IDOK its edited
  // text is the confirmed time or "Unknown" after "清零".
  TimeDialog(TimeForm& form, win32::UiServices& services);

 protected:
  bool OnOpen() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOk() override;

 private:
  void ReadPickers();
};

}  // namespace mirevo::ui
