// What the main window shows once it is created: tabs, columns and their
// widths, the rows of the start tab with their colours, placement, icons
// and the system menu.
#include "main_window_fixture.h"
#include "ui/win32/list_view.h"
#include "ui/win32/menu.h"
#include "ui/win32/tab_strip.h"

namespace mirevo::ui::testing {
namespace {

// The header's titles, with the alignment of each as "<", ">" or "|".
std::vector<std::string> Headers(HWND list) {
  HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
  std::vector<std::string> titles;
  for (int column = 0; column < 12; ++column) {
    wchar_t buffer[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    ::SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
    const int align = item.fmt & HDF_JUSTIFYMASK;
    titles.push_back(win32::GbkFromWide(buffer).value_or("?") + (align == HDF_RIGHT    ? ">"
                                                                 : align == HDF_CENTER ? "|"
                                                                                       : "<"));
  }
  return titles;
}

TEST_F(MainWindowTest, ShowsSixTabsAndTwelveTitledColumns) {
  Open();
  win32::TabStrip tabs(Tabs());
  std::vector<std::string> tabTitles;
  for (int tab = 0; tab < tabs.Count(); ++tab) tabTitles.push_back(tabs.Title(tab).value_or("?"));
  EXPECT_EQ(tabTitles, (std::vector<std::string>{"动画", "漫画", "OVA", "日剧", "完结", "期待"}));
  EXPECT_EQ(
      Headers(List()),
      (std::vector<std::string>{"No<", "播放时间<", "名称<", "集数>", "类型|", "评价<", "更新时间<",
                                "备注<", "预览图路径<", "次回时间<", "关键词<", "最早更新<"}));
  // Without a settings file: the hidden "No" column and the usual widths.
  EXPECT_EQ(win32::VirtualListView(List()).ColumnWidths(),
            (std::vector<int>{0, 90, 202, 36, 36, 49, 110, 80, 100, 110, 100, 90}));
  const DWORD extended =
      static_cast<DWORD>(::SendMessageW(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
            static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
}

TEST_F(MainWindowTest, ColumnWidthsComeFromTheSettingsFile) {
  WriteSettings("0=40;2=150;10=0;11=75;");
  WriteData(DataBytes(SampleRecords()));
  Open();
  EXPECT_EQ(win32::VirtualListView(List()).ColumnWidths(),
            (std::vector<int>{40, 90, 150, 36, 36, 49, 110, 80, 100, 110, 0, 75}));
  EXPECT_EQ(Cell(0, 0), "1");  // the id column, visible now
}

TEST_F(MainWindowTest, RowsShowTheWorksOfTheStartTabColumnByColumn) {
  std::vector<DataRecord> records = SampleRecords();
  records[2].notes = std::string(3000, 'x');  // more than the list asks for
  WriteData(DataBytes(records));
  Open();
  ASSERT_EQ(RowCount(), 3);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"星之彼方", "晨曦的旅人", "机械少女"}));
  std::vector<std::string> first;
  for (int column = 0; column < 12; ++column) first.push_back(Cell(0, column));
  EXPECT_EQ(first,
            (std::vector<std::string>{"1", "周六(土)23:30", "星之彼方", "5", "动画", "☆☆☆",
                                      "2026-03-01 23:45", "", "", "2026-03-08 23:45", "", ""}));
  EXPECT_EQ(Cell(1, 1), "周日(日)01:05");
  EXPECT_EQ(Cell(1, 5), "☆☆");
  EXPECT_EQ(Cell(1, 10), "晨曦 旅人");
  const std::string cut = Cell(2, 7);
  EXPECT_TRUE(cut.size() > 0 && cut.size() < 3000 && cut == std::string(cut.size(), 'x')) << cut;
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(MainWindowTest, CustomDrawGivesDueRowsTheReminderColourAndOthersBlack) {
  WriteData(DataBytes(SampleRecords()));
  Open();
  // The whole control asks for one notification per item.
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = {List(), IDC_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(::SendMessageW(Hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&draw)),
            CDRF_NOTIFYITEMDRAW);

  // Row 0 was due on Sunday: the default next-time colour, blue.
  const DrawAnswer due = DrawRow(0);
  EXPECT_EQ(due.text, RGB(0, 0, 255));
  EXPECT_EQ(due.result, CDRF_NEWFONT);
  // Not due: colour 0, which is black, never the list's own colour.
  EXPECT_EQ(DrawRow(1).text, RGB(0, 0, 0));
  EXPECT_EQ(DrawRow(2).text, RGB(0, 0, 0));
}

TEST_F(MainWindowTest, ReminderColoursFromTheSettingsAreUsed) {
  // Next-time rule on in red.
  WriteSettings("ColorSet=1255#065280#0255#;");
  WriteData(DataBytes(SampleRecords()));
  Open();
  EXPECT_EQ(DrawRow(0).text, RGB(255, 0, 0));
}

struct StartTabCase {
  const char* settings;
  int tab;
  std::vector<std::string> names;
};

class StartTab : public MainWindowTest, public ::testing::WithParamInterface<StartTabCase> {};

TEST_P(StartTab, OpensOnTheTabLastUsed) {
  WriteSettings(GetParam().settings);
  WriteData(DataBytes(SampleRecords()));
  Open();
  EXPECT_EQ(CurrentTab(), GetParam().tab);
  EXPECT_EQ(Column(2), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowTest, StartTab,
    ::testing::Values(StartTabCase{"default_type=9;", 0, {"星之彼方", "晨曦的旅人", "机械少女"}},
                      StartTabCase{"default_type=3;", 3, {}},
                      StartTabCase{"default_type=4;", 4, {"古都物语"}},
                      StartTabCase{"default_type=5;", 5, {"新作"}},
                      StartTabCase{"default_type=7;", 0, {"星之彼方", "晨曦的旅人", "机械少女"}}));

TEST_F(MainWindowTest, TakesItsPlaceFromTheSettings) {
  WriteSettings("pos[0]=120;pos[1]=90;pos[2]=520;pos[3]=380;");
  Open();
  RECT rect{};
  ::GetWindowRect(Hwnd(), &rect);
  EXPECT_EQ(rect.left, 120);
  EXPECT_EQ(rect.top, 90);
  EXPECT_EQ(rect.right - rect.left, 520);
  EXPECT_EQ(rect.bottom - rect.top, 380);
  EXPECT_EQ(::GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_FALSE(::IsZoomed(Hwnd()));

  WriteSettings("topshow=1;MaxSign=1;");
  Open();
  EXPECT_NE(::GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(::IsZoomed(Hwnd()));
}

TEST_F(MainWindowTest, HasTheProgramIconAndTheAboutEntryInTheSystemMenu) {
  Open();
  EXPECT_NE(::SendMessageW(Hwnd(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(::SendMessageW(Hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(::SendMessageW(Hwnd(), WM_QUERYDRAGICON, 0, 0), 0);

  HMENU systemMenu = ::GetSystemMenu(Hwnd(), FALSE);
  EXPECT_EQ(win32::CommandText(systemMenu, IDM_ABOUTBOX), "关于 Mirevo v0.22(&A)...");
  const int count = ::GetMenuItemCount(systemMenu);
  ASSERT_GE(count, 2);
  EXPECT_EQ(::GetMenuItemID(systemMenu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
  EXPECT_EQ(::GetMenuState(systemMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR,
            static_cast<UINT>(MF_SEPARATOR));

  // The about box is not there yet: the entry must not close or break
  // anything.
  ::SendMessageW(Hwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  EXPECT_TRUE(IsOpen());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowTest, ADamagedDataFileIsReportedAndWhatWasReadIsShown) {
  WriteData(DataBytes({SampleRecords()[0]}) + "\r\n");
  Open();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "mvd文件内部出错,此时请不要按保存按钮");
  EXPECT_EQ(Messages()[0].caption, "Mirevo v0.22");
  EXPECT_EQ(Messages()[0].owner, Hwnd());
  EXPECT_EQ(Column(2), (std::vector<std::string>{"星之彼方"}));
}

}  // namespace
}  // namespace mirevo::ui::testing
