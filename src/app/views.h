// What only a window can do for the main window's logic, in four narrow
// parts. The Win32 main window implements them; tests implement them with a
// scripted fake.
#pragma once

#include <optional>
#include <string>

#include "app/context_menu.h"
#include "store/list_columns.h"
#include "store/series_record.h"
#include "window/geometry.h"

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

// The tab strip and the list, which shows the rows of the MainList.
class ListScreen {
 public:
  virtual ~ListScreen() = default;
  virtual int SelectedRow() const = 0;  // -1 when none
  virtual void RowsReset() = 0;         // every row was replaced
  virtual void RowChanged(int row) = 0;
  virtual void RowRemoved(int row) = 0;
  // Focuses the list, scrolls the row into view and selects it; a row past
  // the end leaves nothing selected.
  virtual void SelectRow(int row) = 0;
  virtual void FocusList() = 0;
  // The tab strip's current tab, without a tab-change notification.
  virtual void SetCurrentTab(int tab) = 0;
  virtual ColumnWidths CurrentColumnWidths() const = 0;
};

// The category chosen in the type dialog (radio buttons 0..3).
struct TypeForm {
  int category = kAnime;
};

// The dialogs, the menu and the browser the record commands use.
class DialogView {
 public:
  virtual ~DialogView() = default;
  // Dialogs run modally on a form value; true when confirmed with OK.
  virtual bool RunRecordDialog(RecordForm& form) = 0;
  virtual bool RunTypeDialog(TypeForm& form) = 0;
  // The context menu at the mouse cursor; the chosen command, not sent.
  virtual MenuCommand ShowContextMenu(const ContextMenuState& state) = 0;
  virtual void OpenAddress(const std::string& address) = 0;
};

// The window itself, as the session's exit paths need it.
class SessionView {
 public:
  virtual ~SessionView() = default;
  // The window's rectangle in screen pixels, to open at next time; nullopt
  // while the window is minimised (its rectangle then lies far off screen).
  virtual std::optional<Rect> RectToKeep() const = 0;
  // Ends the main window's modal run: the program ends, and with it
  // everything that lives on the window.
  virtual void EndProgram() = 0;
};

}  // namespace mirevo
