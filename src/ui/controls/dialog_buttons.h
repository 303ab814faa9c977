// Every push button of one dialog as a flat button, with the look that all
// of the program's dialogs give their buttons on opening: the hover face a
// little lighter, and rounded. One member and one call per dialog.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/controls/flat_button.h"

namespace mirevo::ui {

class DialogButtons {
 public:
  // The push buttons among the dialog's own children; a child dialog (a
  // settings page) wraps its own.
  void Attach(HWND dialog);

  // The wrapper of a button, nullptr when the id is not one of them.
  FlatButton* Find(int controlId) const;

 private:
  std::vector<std::unique_ptr<FlatButton>> buttons_;
};

}  // namespace mirevo::ui
