// The tab strip and the list of the main window: shows the rows of the
// MainList (the list control only draws them) and does for the list what
// only the controls can do.
#pragma once

#include <windows.h>

#include "app/main_list.h"
#include "app/views.h"
#include "ui/win32/list_view.h"
#include "ui/win32/tab_strip.h"

namespace mirevo::ui {

class MainListScreen final : public ListScreen, private win32::ListRowSource {
 public:
  MainListScreen() : list_(*this) {}

  // The rows to show; set once, before the controls are attached.
  void ShowRowsOf(const MainList& rows) { rows_ = &rows; }
  // Takes over the window's tab control and list; then the tabs and columns.
  void Attach(HWND tabs, HWND list);
  void InsertTabsAndColumns(const ColumnWidths& widths);

  HWND List() const { return list_.Hwnd(); }
  int CurrentTab() const { return tabs_.Current(); }

  // ListScreen.
  int SelectedRow() const override;
  void RowsReset() override;
  void RowChanged(int row) override;
  void RowRemoved(int row) override;
  void SelectRow(int row) override;
  void FocusList() override;
  void SetCurrentTab(int tab) override;
  ColumnWidths CurrentColumnWidths() const override;

 private:
  // ListRowSource: the MainList's rows.
  int RowCount() const override;
  std::string_view CellText(int row, int column) const override;
  // The row's colour as the due rules chose it. "No colour" is 0, which is
  // black: the row is drawn in black text, never in the list's own colour.
  COLORREF RowTextColour(int row) const override;

  const MainList* rows_ = nullptr;
  win32::VirtualListView list_;
  win32::TabStrip tabs_;
};

}  // namespace mirevo::ui
