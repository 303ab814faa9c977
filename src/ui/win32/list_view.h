// A report-style list view in virtual mode (LVS_OWNERDATA): the rows live
// in the program, the control only asks for the cells it draws. Each row is
// a line of GBK texts with one text colour.
//
// The owner keeps a ListRowSource, sets the row count whenever its rows
// change, and passes the list's WM_NOTIFY messages to HandleNotify from its
// OnNotify:
//
//   std::optional<LRESULT> MainWindow::OnNotify(NMHDR* header) {
//     if (header->idFrom == IDC_LIST)
//       if (auto answer = list_.HandleNotify(header, rows_)) return answer;
//     ...
//   }
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo::win32 {

// What the list shows. Called only while the list asks, on the UI thread.
class ListRowSource {
 public:
  virtual ~ListRowSource() = default;
  virtual int RowCount() const = 0;
  // The GBK text of one cell; the view copies it at once.
  virtual std::string_view CellText(int row, int column) const = 0;
  // The text colour of a row; CLR_DEFAULT for the list's own colour.
  virtual COLORREF RowTextColour(int row) const = 0;
};

enum class ColumnAlign { kLeft, kRight, kCentre };

class VirtualListView {
 public:
  VirtualListView() = default;
  explicit VirtualListView(HWND list) : list_(list) {}

  void Attach(HWND list) { list_ = list; }
  HWND Hwnd() const { return list_; }

  // LVS_EX_* bits to turn on (the others stay as they are).
  void AddExtendedStyle(DWORD style);

  // Inserts a column with a GBK title; false on failure.
  bool InsertColumn(int index, std::string_view title, int width, ColumnAlign align);
  int ColumnCount() const;
  int ColumnWidth(int column) const;
  std::vector<int> ColumnWidths() const;
  void SetColumnWidth(int column, int width);

  // Tells the list how many rows there are and redraws them all. Keeps the
  // selection index, which the owner adjusts when rows moved.
  void SetRowCount(int count);
  int RowCount() const;
  // Redraws one row after its texts or colour changed.
  void RedrawRow(int row);

  // The selected row (single selection), -1 when none.
  int SelectedRow() const;
  // Selects and focuses one row (-1: clears the selection).
  void SelectRow(int row);
  void EnsureVisible(int row);

  // The text the list shows in a cell, as the user sees it (asks the list,
  // which asks the source). For tests and for code that reads the screen.
  std::wstring DisplayedText(int row, int column) const;

  // Answers LVN_GETDISPINFOW (cell texts) and NM_CUSTOMDRAW (row colours)
  // from rows; nullopt for any other notification, or when header does not
  // come from this list.
  std::optional<LRESULT> HandleNotify(NMHDR* header, const ListRowSource& rows) const;

 private:
  HWND list_ = nullptr;
};

}  // namespace mirevo::win32
