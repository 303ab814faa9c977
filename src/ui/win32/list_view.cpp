#include "ui/win32/list_view.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {
namespace {

void CopyCell(const ListRowSource& rows, NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
  std::wstring text;
  if (item.iItem >= 0 && item.iItem < rows.RowCount()) {
    text = WideFromGbk(rows.CellText(item.iItem, item.iSubItem));
  }
  // The list's buffer is all we may write to; a longer text is cut, as the
  // list would cut it on screen anyway.
  const std::size_t room = static_cast<std::size_t>(item.cchTextMax) - 1;
  const std::size_t count = std::min(text.size(), room);
  std::copy_n(text.data(), count, item.pszText);
  item.pszText[count] = L'\0';
}

LRESULT CustomDraw(const ListRowSource& rows, NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const int row = static_cast<int>(draw.nmcd.dwItemSpec);
      if (row >= 0 && row < rows.RowCount()) {
        const COLORREF colour = rows.RowTextColour(row);
        if (colour != CLR_DEFAULT) draw.clrText = colour;
      }
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

}  // namespace

void VirtualListView::AddExtendedStyle(DWORD style) {
  ::SendMessageW(Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
}

bool VirtualListView::InsertColumn(int index, std::string_view title, int width, int format) {
  std::wstring text = WideFromGbk(title);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = width;
  column.pszText = text.data();
  column.iSubItem = index;
  return ::SendMessageW(Hwnd(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&column)) >= 0;
}

int VirtualListView::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(::SendMessageW(Hwnd(), LVM_GETHEADER, 0, 0));
  if (header == nullptr) return 0;
  return static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

int VirtualListView::ColumnWidth(int column) const {
  return static_cast<int>(
      ::SendMessageW(Hwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

std::vector<int> VirtualListView::ColumnWidths() const {
  std::vector<int> widths;
  const int count = ColumnCount();
  widths.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) widths.push_back(ColumnWidth(i));
  return widths;
}

void VirtualListView::SetRowCount(int count) {
  ::SendMessageW(Hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(std::max(count, 0)), 0);
  ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

int VirtualListView::RowCount() const {
  return static_cast<int>(::SendMessageW(Hwnd(), LVM_GETITEMCOUNT, 0, 0));
}

void VirtualListView::RedrawRow(int row) {
  ::SendMessageW(Hwnd(), LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

int VirtualListView::SelectedRow() const {
  return static_cast<int>(
      ::SendMessageW(Hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void VirtualListView::SelectRow(int row) {
  // One row at most is selected and focused: clearing those two, rather than
  // every row (-1), keeps this instant at 100,000 rows.
  LVITEMW clear{};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  for (UINT which : {LVNI_SELECTED, LVNI_FOCUSED}) {
    const auto old =
        static_cast<int>(::SendMessageW(Hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which));
    if (old >= 0 && old != row)
      ::SendMessageW(Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(old),
                     reinterpret_cast<LPARAM>(&clear));
  }
  if (row < 0) return;
  LVITEMW select{};
  select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  select.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&select));
  ::SendMessageW(Hwnd(), LVM_SETSELECTIONMARK, 0, row);
}

void VirtualListView::EnsureVisible(int row) {
  ::SendMessageW(Hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

std::optional<LRESULT> VirtualListView::OnReflected(UINT message, WPARAM /*wParam*/,
                                                    LPARAM lParam) {
  if (message != WM_NOTIFY) return std::nullopt;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  switch (header->code) {
    case LVN_GETDISPINFOW:
      CopyCell(rows_, *reinterpret_cast<NMLVDISPINFOW*>(header));
      return 0;
    case NM_CUSTOMDRAW:
      return CustomDraw(rows_, *reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    default:
      return std::nullopt;
  }
}

}  // namespace mirevo::win32
