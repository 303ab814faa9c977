// The record dialog ("添加" / "编辑"): shows one work's RecordForm, runs the
// time and keyword dialogs from its buttons, and closes with IDOK only when
// the form accepts what was typed.
#pragma once

#include <windows.h>

#include "app/record_form.h"
#include "store/clock.h"
#include "ui/controls/picture_box.h"
#include "ui/main/form_dialog.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class RecordDialog : public FormDialog<RecordForm> {
 public:
  // The form must already be opened (RecordForm::Open); after RunModal
  // returns IDOK it holds the confirmed values.
  RecordDialog(RecordForm& form, const Clock& clock, win32::UiServices& services);

 protected:
  bool OnOpen() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOk() override;

 private:
  // The controls into the form; the typed texts that GBK cannot hold reach
  // the form as nullopt, and the form's checks refuse them.
  void ReadControls();
  void WriteControls();
  void SetUpdateTime();
  void SetNextTime();
  void SetKeyword();
  void BrowsePicture();
  void ClearPicture();
  // The placeholder, then the work's picture over it when that loads.
  void ShowPicture();

  const Clock& clock_;
  win32::UiServices& services_;
  PictureBox picture_;
};

}  // namespace mirevo::ui
