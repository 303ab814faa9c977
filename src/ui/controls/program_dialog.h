// The base of every dialog of the program. Before the dialog's own opening
// runs, each of its push buttons becomes a flat button with the look every
// dialog gives them (the hover face a little lighter, and rounded), so that
// no dialog can forget it. A child dialog (a settings page) has its own.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/controls/flat_button.h"
#include "ui/win32/dialog.h"

namespace mirevo::ui {

class ProgramDialog : public win32::Dialog {
 public:
  using Dialog::Dialog;

  // The flat button of that id, nullptr when the dialog has none.
  FlatButton* Button(int controlId) const;

 protected:
  // The dialog opens: its controls exist and its buttons are flat. Return
  // true to let the dialog focus its first control, false after setting
  // the focus yourself.
  virtual bool OnOpen() { return true; }

 private:
  bool OnInitDialog() final;

  std::vector<std::unique_ptr<FlatButton>> buttons_;
};

}  // namespace mirevo::ui
