// The dialogs that edit a form value (record, time, keyword; the settings
// pages use the refusal too). A form dialog works on a copy and hands it back
// to the caller only when "确定" is accepted; a refusal is shown under the
// program's title and sends the keyboard to the field it is about.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/controls/program_dialog.h"
#include "ui/win32/message_box.h"

namespace mirevo::ui {

// Shows message (caption: the program's title, warning icon) and moves the
// focus to control (nullptr: leaves it), selecting an edit box's text as the
// dialog manager does.
void ShowRefusal(win32::MessageBoxService& messages, HWND dialog, std::string_view message,
                 HWND control);

template <typename Form>
class FormDialog : public ProgramDialog {
 protected:
  // form is the caller's: it changes only when the dialog closes with IDOK.
  FormDialog(int templateId, Form& form, win32::MessageBoxService& messages)
      : ProgramDialog(templateId), form_(form), working_(form), messages_(messages) {}

  // "确定": closes with the working copy handed back, or shows the refusal
  // and stays open.
  void CloseIfAccepted(const std::optional<std::string>& refusal, int controlId = 0) {
    if (refusal) {
      ShowRefusal(messages_, Hwnd(), *refusal, controlId != 0 ? Item(controlId) : nullptr);
      return;
    }
    form_ = working_;
    Close(IDOK);
  }

  Form& form_;
  Form working_;
  win32::MessageBoxService& messages_;
};

}  // namespace mirevo::ui
