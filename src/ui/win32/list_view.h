// A report-style list view in virtual mode (LVS_OWNERDATA): the rows live
// in the program, the control only asks for the cells it draws. Each row is
// a line of GBK texts with one text colour. The wrapper answers the list's
// requests for cell texts and row colours itself (reflected from the
// parent); every other notification is left to the parent.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "ui/win32/control.h"

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

class VirtualListView final : public Control {
 public:
  // rows must outlive the wrapper.
  explicit VirtualListView(const ListRowSource& rows) : rows_(rows) {}

  // LVS_EX_* bits to turn on (the others stay as they are).
  void AddExtendedStyle(DWORD style);

  // Inserts a column with a GBK title and an LVCFMT_ alignment; false on
  // failure.
  bool InsertColumn(int index, std::string_view title, int width, int format);
  int ColumnCount() const;
  int ColumnWidth(int column) const;
  std::vector<int> ColumnWidths() const;

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

  // LVN_GETDISPINFOW (cell texts) and NM_CUSTOMDRAW (row colours).
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  const ListRowSource& rows_;
};

}  // namespace mirevo::win32
