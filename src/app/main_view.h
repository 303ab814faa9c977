// What only a window can do for the main window's logic. The Win32 main
// window implements these; tests implement them with a scripted fake.
#pragma once

#include <string>

#include "app/context_menu.h"
#include "store/app_settings.h"

namespace mirevo {

struct RecordForm;

enum class Answer { kYes, kNo, kCancel };

// Message boxes: each shows its text with the caption and waits.
class MessageView {
 public:
  virtual ~MessageView() = default;
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // Yes or No.
  virtual Answer AskYesNo(const std::string& text, const std::string& caption) = 0;
  // Yes, No or Cancel.
  virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
};

// The category chosen in the type dialog (radio buttons 0..3).
struct TypeForm {
  int category = kAnime;
};

// A screen rectangle.
struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class MainView : public MessageView {
 public:
  // Dialogs run modally on a form value; true when confirmed with OK.
  virtual bool RunRecordDialog(RecordForm& form) = 0;
  virtual bool RunTypeDialog(TypeForm& form) = 0;
  // The context menu at the mouse cursor; the chosen command, not sent.
  virtual MenuCommand ShowContextMenu(const ContextMenuState& state) = 0;

  // The list: the rows it shows are the controller's Rows().
  virtual int SelectedRow() const = 0;  // -1 when none
  virtual void RowsReset() = 0;         // every row was replaced
  virtual void RowChanged(int row) = 0;
  virtual void RowRemoved(int row) = 0;
  // Focuses the list, scrolls the row into view and selects it; a row past
  // the end leaves nothing selected.
  virtual void SelectRow(int row) = 0;
  virtual void FocusList() = 0;
  virtual ColumnWidths CurrentColumnWidths() const = 0;

  // The tab strip's current tab, without a tab-change notification.
  virtual void SetCurrentTab(int tab) = 0;

  virtual void OpenAddress(const std::string& address) = 0;
  virtual void ShowBalloon(const std::string& text, const std::string& title,
                           unsigned timeoutMs) = 0;

  virtual WindowRect CurrentWindowRect() const = 0;
  // Destroys the preview popup and the settings dialog if they exist and
  // ends the main window's modal run: the program ends.
  virtual void EndProgram() = 0;
};

}  // namespace mirevo
