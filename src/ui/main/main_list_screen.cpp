#include "ui/main/main_list_screen.h"

#include <commctrl.h>

#include <algorithm>

#include "store/record_store.h"

namespace mirevo::ui {
namespace {

int FormatOf(ColumnAlign align) {
  switch (align) {
    case ColumnAlign::kRight:
      return LVCFMT_RIGHT;
    case ColumnAlign::kCentre:
      return LVCFMT_CENTER;
    case ColumnAlign::kLeft:
      break;
  }
  return LVCFMT_LEFT;
}

}  // namespace

void MainListScreen::Attach(HWND tabs, HWND list) {
  tabs_.Attach(tabs);
  list_.Attach(list);
}

void MainListScreen::InsertTabsAndColumns(const ColumnWidths& widths) {
  for (int tab = 0; tab < kListCount; ++tab) tabs_.InsertTab(tab, kListTitles[tab]);
  list_.AddExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  for (int column = 0; column < kColumnCount; ++column) {
    const ColumnInfo& info = kListColumns[column];
    list_.InsertColumn(column, info.title, widths[column], FormatOf(info.align));
  }
}

int MainListScreen::SelectedRow() const {
  return list_.SelectedRow();
}

void MainListScreen::RowsReset() {
  // Every row is new: a selection left over from the old rows would point
  // at some other work.
  list_.SelectRow(-1);
  const int count = RowCount();
  list_.SetRowCount(count);
  if (count > 0) list_.EnsureVisible(0);
}

void MainListScreen::RowChanged(int row) {
  list_.RedrawRow(row);
}

void MainListScreen::RowRemoved(int /*row*/) {
  list_.SetRowCount(RowCount());
}

void MainListScreen::SelectRow(int row) {
  FocusList();
  if (row >= 0 && row < list_.RowCount()) {
    list_.EnsureVisible(row);
    list_.SelectRow(row);
  } else {
    list_.SelectRow(-1);
  }
}

void MainListScreen::FocusList() {
  // Through the dialog manager, so that the default button follows.
  ::SendMessageW(::GetParent(list_.Hwnd()), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.Hwnd()),
                 TRUE);
}

void MainListScreen::SetCurrentTab(int tab) {
  tabs_.SetCurrent(tab);
}

ColumnWidths MainListScreen::CurrentColumnWidths() const {
  ColumnWidths widths = DefaultColumnWidths();
  const std::vector<int> shown = list_.ColumnWidths();
  std::copy_n(shown.begin(), std::min(shown.size(), widths.size()), widths.begin());
  return widths;
}

int MainListScreen::RowCount() const {
  return rows_ != nullptr ? static_cast<int>(rows_->Rows().size()) : 0;
}

std::string_view MainListScreen::CellText(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= kColumnCount) return {};
  return rows_->TextsOfRow(row)[column];
}

COLORREF MainListScreen::RowTextColour(int row) const {
  if (row < 0 || row >= RowCount()) return RGB(0, 0, 0);
  return static_cast<COLORREF>(rows_->Rows()[row].colour);
}

}  // namespace mirevo::ui
