// "设定关键词": edits a work's search keyword and can run the search at once.
#pragma once

#include <windows.h>

#include "app/keyword_form.h"
#include "ui/main/form_dialog.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class KeywordDialog : public FormDialog<KeywordForm> {
 public:
  // On IDOK the form's result is the new keyword.
  KeywordDialog(KeywordForm& form, win32::UiServices& services);

 protected:
  bool OnOpen() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOk() override;

 private:
  void SearchNow();

  win32::ShellOpenService& shell_;
};

}  // namespace mirevo::ui
