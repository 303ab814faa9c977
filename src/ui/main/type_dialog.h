// "请选择此作品的类型": the category of an awaited work on its first update.
#pragma once

#include <windows.h>

#include "app/views.h"
#include "ui/controls/dialog_buttons.h"
#include "ui/win32/dialog.h"

namespace mirevo::ui {

class TypeDialog : public win32::Dialog {
 public:
  // On IDOK the form's category is the checked radio button (0 to 3).
  explicit TypeDialog(TypeForm& form);

 protected:
  bool OnInitDialog() override;
  void OnOk() override;

 private:
  TypeForm& form_;
  DialogButtons buttons_;
};

}  // namespace mirevo::ui
