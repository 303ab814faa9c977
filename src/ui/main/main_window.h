// The program's one top-level window: a row of command buttons, the tab
// strip of the six lists and the list of works. It only displays and
// forwards: every decision is the MainController's, every question and
// dialog the controller asks for is answered here through the MainView.
#pragma once

#include <windows.h>

#include "app/main_controller.h"
#include "app/main_view.h"
#include "store/clock.h"
#include "ui/main/main_window_rows.h"
#include "ui/win32/dialog.h"
#include "ui/win32/list_view.h"
#include "ui/win32/tab_strip.h"
#include "ui/win32/ui_services.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::ui {

class MainWindow final : public win32::Dialog, public MainView {
 public:
  // Reads nothing yet: the settings and data files are loaded when the
  // window is created (RunModal or CreateModeless).
  MainWindow(win32::UiServices& services, const Clock& clock);

  const MainController& Controller() const { return controller_; }

  // MainView ------------------------------------------------------------
  void ShowMessage(const std::string& text, const std::string& caption) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  bool RunRecordDialog(RecordForm& form) override;
  bool RunTypeDialog(TypeForm& form) override;
  MenuCommand ShowContextMenu(const ContextMenuState& state) override;
  int SelectedRow() const override;
  void RowsReset() override;
  void RowChanged(int row) override;
  void RowRemoved(int row) override;
  void SelectRow(int row) override;
  void FocusList() override;
  ColumnWidths CurrentColumnWidths() const override;
  void SetCurrentTab(int tab) override;
  void OpenAddress(const std::string& address) override;
  void ShowBalloon(const std::string& text, const std::string& title, unsigned timeoutMs) override;
  WindowRect CurrentWindowRect() const override;
  void EndProgram() override;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnNotify(NMHDR* header) override;
  // Enter where no focused button takes it: edit the selected work.
  void OnOk() override;
  // Escape (the close box and the system menu arrive as WM_CLOSE instead).
  void OnCancel() override;

 private:
  void SetUpIcons();
  void AddAboutToSystemMenu();
  void InsertTabsAndColumns();
  void ApplyPlacement();
  std::optional<LRESULT> OnListNotify(NMHDR* header);
  bool PaintIconic();

  win32::UiServices& services_;
  const Clock& clock_;
  MainController controller_;
  ControllerRows rows_;
  win32::VirtualListView list_;
  win32::TabStrip tabs_;
  win32::IconHandle bigIcon_;
  win32::IconHandle smallIcon_;
};

}  // namespace mirevo::ui
