// The virtual list view and the tab strip of the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/list_view.h"
#include "ui/win32/tab_strip.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

// Rows as the main window keeps them: twelve GBK texts and a colour.
struct Row {
  std::array<std::string, 12> cells;
  COLORREF colour = CLR_DEFAULT;
};

class RowTable final : public ListRowSource {
 public:
  int RowCount() const override { return static_cast<int>(rows.size()); }
  std::string_view CellText(int row, int column) const override {
    return rows.at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(column));
  }
  COLORREF RowTextColour(int row) const override {
    return rows.at(static_cast<std::size_t>(row)).colour;
  }
  std::vector<Row> rows;
};

Row MakeRow(int id, const char* name, COLORREF colour = CLR_DEFAULT) {
  Row row;
  row.cells[0] = std::to_string(id);
  row.cells[1] = "周三(水)21:30";
  row.cells[2] = name;
  row.cells[3] = "12";
  row.cells[4] = "动画";
  row.cells[5] = "☆☆";
  row.colour = colour;
  return row;
}

class MainWindowList : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_.onNotify = [this](NMHDR* header) { return list_.HandleNotify(header, rows_); };
    ASSERT_TRUE(dialog_.CreateModeless(nullptr));
    list_.Attach(dialog_.Item(IDC_LIST));
    tabs_.Attach(dialog_.Item(IDC_TABS));
  }

  void InsertColumns() {
    const char* titles[] = {"No",       "播放时间", "名称",       "集数",     "类型",   "评价",
                            "更新时间", "备注",     "预览图路径", "次回时间", "关键词", "最早更新"};
    const int widths[] = {0, 90, 202, 36, 36, 49, 110, 80, 100, 110, 100, 90};
    for (int i = 0; i < 12; ++i) {
      ColumnAlign align = i == 3   ? ColumnAlign::kRight
                          : i == 4 ? ColumnAlign::kCentre
                                   : ColumnAlign::kLeft;
      ASSERT_TRUE(list_.InsertColumn(i, titles[i], widths[i], align));
    }
  }

  HostDialog dialog_{IDD_MAIN};
  VirtualListView list_;
  TabStrip tabs_;
  RowTable rows_;
};

TEST_F(MainWindowList, TheListIsAVirtualReportList) {
  const LONG_PTR style = ::GetWindowLongPtrW(list_.Hwnd(), GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(style & LVS_OWNERDATA);
  EXPECT_TRUE(style & LVS_SINGLESEL);
}

TEST_F(MainWindowList, ColumnsKeepTheirWidthsIncludingAHiddenFirstColumn) {
  InsertColumns();
  EXPECT_EQ(list_.ColumnCount(), 12);
  EXPECT_EQ(list_.ColumnWidths(),
            (std::vector<int>{0, 90, 202, 36, 36, 49, 110, 80, 100, 110, 100, 90}));
  list_.SetColumnWidth(0, 25);
  EXPECT_EQ(list_.ColumnWidth(0), 25);

  wchar_t title[32] = {};
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.pszText = title;
  column.cchTextMax = 32;
  ASSERT_TRUE(::SendMessageW(list_.Hwnd(), LVM_GETCOLUMNW, 3, reinterpret_cast<LPARAM>(&column)));
  EXPECT_EQ(std::wstring(title), L"\u96c6\u6570");  // 集数
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
}

TEST_F(MainWindowList, CellsAreAskedFromTheRowSourceAndShownInUtf16) {
  InsertColumns();
  rows_.rows = {MakeRow(7, "凉宫春日"), MakeRow(12, "Planetes")};
  list_.SetRowCount(rows_.RowCount());
  EXPECT_EQ(list_.RowCount(), 2);
  EXPECT_EQ(list_.DisplayedText(0, 0), L"7");
  EXPECT_EQ(list_.DisplayedText(0, 1), L"\u5468\u4e09(\u6c34)21:30");
  EXPECT_EQ(list_.DisplayedText(0, 2), L"\u51c9\u5bab\u6625\u65e5");
  EXPECT_EQ(list_.DisplayedText(1, 2), L"Planetes");
  EXPECT_EQ(list_.DisplayedText(1, 5), L"\u2606\u2606");
  EXPECT_EQ(list_.DisplayedText(1, 7), L"");

  // The rows changed in the program: the list shows the new texts.
  rows_.rows[1].cells[2] = "新名称";
  list_.RedrawRow(1);
  EXPECT_EQ(list_.DisplayedText(1, 2), L"\u65b0\u540d\u79f0");
}

TEST_F(MainWindowList, ALongCellIsCutToTheListsBuffer) {
  InsertColumns();
  Row row = MakeRow(1, "");
  row.cells[7] = std::string(3000, 'x');
  rows_.rows = {row};
  list_.SetRowCount(1);
  const std::wstring shown = list_.DisplayedText(0, 7);
  EXPECT_GT(shown.size(), 0u);
  EXPECT_LT(shown.size(), 3000u);
  EXPECT_EQ(shown, std::wstring(shown.size(), L'x'));
}

TEST_F(MainWindowList, CustomDrawGivesEachRowItsColour) {
  rows_.rows = {MakeRow(1, "a", RGB(255, 0, 0)), MakeRow(2, "b")};
  list_.SetRowCount(2);

  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = {list_.Hwnd(), IDC_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(list_.HandleNotify(&draw.nmcd.hdr, rows_), CDRF_NOTIFYITEMDRAW);

  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.nmcd.dwItemSpec = 0;
  draw.clrText = RGB(1, 2, 3);
  EXPECT_EQ(list_.HandleNotify(&draw.nmcd.hdr, rows_), CDRF_NEWFONT);
  EXPECT_EQ(draw.clrText, RGB(255, 0, 0));

  draw.nmcd.dwItemSpec = 1;
  draw.clrText = RGB(1, 2, 3);
  list_.HandleNotify(&draw.nmcd.hdr, rows_);
  EXPECT_EQ(draw.clrText, RGB(1, 2, 3)) << "CLR_DEFAULT leaves the list's colour";

  draw.nmcd.dwItemSpec = 5;  // a row the program no longer has
  list_.HandleNotify(&draw.nmcd.hdr, rows_);
  EXPECT_EQ(draw.clrText, RGB(1, 2, 3));
}

TEST_F(MainWindowList, NotificationsOfOtherControlsAreNotAnswered) {
  NMHDR header{tabs_.Hwnd(), IDC_TABS, static_cast<UINT>(NM_CUSTOMDRAW)};
  EXPECT_EQ(list_.HandleNotify(&header, rows_), std::nullopt);
  NMHDR click{list_.Hwnd(), IDC_LIST, static_cast<UINT>(NM_DBLCLK)};
  EXPECT_EQ(list_.HandleNotify(&click, rows_), std::nullopt);
}

TEST_F(MainWindowList, SelectionFollowsTheProgram) {
  InsertColumns();
  rows_.rows = {MakeRow(1, "a"), MakeRow(2, "b"), MakeRow(3, "c")};
  list_.SetRowCount(3);
  EXPECT_EQ(list_.SelectedRow(), -1);
  list_.SelectRow(2);
  EXPECT_EQ(list_.SelectedRow(), 2);
  list_.SelectRow(0);
  EXPECT_EQ(list_.SelectedRow(), 0);
  list_.SelectRow(-1);
  EXPECT_EQ(list_.SelectedRow(), -1);
}

TEST_F(MainWindowList, TabStripHoldsTheSixTitles) {
  const char* titles[] = {"动画", "漫画", "OVA", "日剧", "完结", "期待"};
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(tabs_.InsertTab(i, titles[i]));
  EXPECT_EQ(tabs_.Count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tabs_.Title(i), std::optional<std::string>(titles[i]));
  EXPECT_EQ(tabs_.Title(6), std::nullopt);
  tabs_.SetCurrent(4);
  EXPECT_EQ(tabs_.Current(), 4);
  tabs_.RemoveAll();
  EXPECT_EQ(tabs_.Count(), 0);
}

}  // namespace
}  // namespace mirevo::win32
