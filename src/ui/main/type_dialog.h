// "请选择此作品的类型": the category of an awaited work on its first update.
#pragma once

#include <windows.h>

#include "app/views.h"
#include "ui/controls/program_dialog.h"

namespace mirevo::ui {

class TypeDialog : public ProgramDialog {
 public:
  // On IDOK the form's category is the checked radio button (0 to 3).
  explicit TypeDialog(TypeForm& form);

 protected:
  bool OnOpen() override;
  void OnOk() override;

 private:
  TypeForm& form_;
};

}  // namespace mirevo::ui
