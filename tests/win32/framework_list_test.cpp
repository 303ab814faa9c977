// The virtual list view and the tab strip of the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/list_view.h"
#include "ui/win32/tab_strip.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

// Rows as the main window keeps them: GBK texts and a colour per row.
class RowTable final : public ListRowSource {
 public:
  struct Row {
    std::vector<std::string> cells;
    COLORREF colour = CLR_DEFAULT;
  };
  int RowCount() const override { return static_cast<int>(rows.size()); }
  std::string_view CellText(int row, int column) const override {
    return rows.at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(column));
  }
  COLORREF RowTextColour(int row) const override {
    return rows.at(static_cast<std::size_t>(row)).colour;
  }
  std::vector<Row> rows;
};

class MainWindowList : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_.onNotify = [this](NMHDR* header) { return list_.HandleNotify(header, rows_); };
    ASSERT_TRUE(dialog_.CreateModeless(nullptr));
    list_.Attach(dialog_.Item(IDC_LIST));
    tabs_.Attach(dialog_.Item(IDC_TABS));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(list_.InsertColumn(i, "列", 50, ColumnAlign::kLeft));
  }

  HostDialog dialog_{IDD_MAIN};
  VirtualListView list_;
  TabStrip tabs_;
  RowTable rows_;
};

// The main window's tests show the texts and colours of its rows; these are
// the edges its rows never reach.
TEST_F(MainWindowList, ALongCellIsCutToTheListsBuffer) {
  rows_.rows = {{{"7", "周三(水)21:30", std::string(3000, 'x')}}};
  list_.SetRowCount(rows_.RowCount());
  EXPECT_EQ(list_.DisplayedText(0, 1), L"\u5468\u4e09(\u6c34)21:30");
  const std::wstring shown = list_.DisplayedText(0, 2);
  EXPECT_GT(shown.size(), 0u);
  EXPECT_LT(shown.size(), 3000u);
  EXPECT_EQ(shown, std::wstring(shown.size(), L'x'));
}

TEST_F(MainWindowList, CustomDrawGivesEachRowItsColourAndOnlyTheListIsAnswered) {
  rows_.rows = {{{"1", "", ""}, RGB(255, 0, 0)}, {{"2", "", ""}}};
  list_.SetRowCount(2);

  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = {list_.Hwnd(), IDC_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(list_.HandleNotify(&draw.nmcd.hdr, rows_), CDRF_NOTIFYITEMDRAW);

  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  struct Case {
    DWORD_PTR row;
    COLORREF colour;
  };
  // CLR_DEFAULT, and a row the program no longer has, leave the list's colour.
  for (const Case& c : {Case{0, RGB(255, 0, 0)}, Case{1, RGB(1, 2, 3)}, Case{5, RGB(1, 2, 3)}}) {
    draw.nmcd.dwItemSpec = c.row;
    draw.clrText = RGB(1, 2, 3);
    const std::optional<LRESULT> answer = list_.HandleNotify(&draw.nmcd.hdr, rows_);
    if (c.row == 0) {
      EXPECT_EQ(answer, CDRF_NEWFONT);
    }
    EXPECT_EQ(draw.clrText, c.colour) << "row " << c.row;
  }

  NMHDR header{tabs_.Hwnd(), IDC_TABS, static_cast<UINT>(NM_CUSTOMDRAW)};
  EXPECT_EQ(list_.HandleNotify(&header, rows_), std::nullopt);
  NMHDR click{list_.Hwnd(), IDC_LIST, static_cast<UINT>(NM_DBLCLK)};
  EXPECT_EQ(list_.HandleNotify(&click, rows_), std::nullopt);
}

TEST_F(MainWindowList, TabStripKeepsItsTitles) {
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(tabs_.InsertTab(i, i == 0 ? "动画" : "漫画"));
  EXPECT_EQ(tabs_.Title(1), std::optional<std::string>("漫画"));
  EXPECT_EQ(tabs_.Title(2), std::nullopt);
  tabs_.RemoveAll();
  EXPECT_EQ(tabs_.Count(), 0);
}

}  // namespace
}  // namespace mirevo::win32
