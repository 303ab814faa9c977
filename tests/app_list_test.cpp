// The rows the list shows, tab changes, the column-header sort, the
// context menu and the search.
#include <gtest/gtest.h>

#include "app/context_menu.h"
#include "app_fakes.h"

namespace mirevo::testing {
namespace {

using ListTest = AppTest;
using Texts = std::array<std::string, kColumnCount>;

TEST_F(ListTest, RowTextsFollowTheColumns) {
  WriteBytes("data.mvd",
             "T=0;N=12;w=-1;t=;n=无日;v=3;s=0;d=2006-01-30 10:00;m=m;p=pic.jpg;D=Unknown;k=kw;"
             "W=周一(月)10:00 600;c=0;"
             "T=0;N=13;w=0;t=08:15;n=有日;v=0;s=3;d=2006-01-30 10:00;m=;p=;D=;k=;W=;c=0;");
  Start();
  ASSERT_EQ(list.Rows().size(), 2u);
  EXPECT_EQ(Row(0).texts, (Texts{"12", " ", "无日", "3", "动画", "", "2006-01-30 10:00", "m",
                                 "pic.jpg", "Unknown", "kw", "周一(月)10:00"}));
  EXPECT_EQ(Row(1).texts, (Texts{"13", "周日(日)08:15", "有日", "0", "动画", "☆☆☆",
                                 "2006-01-30 10:00", "", "", "2006-02-06 10:00", "", ""}))
      << "the next time is filled in when shown";
  EXPECT_FALSE(store.dataChanged) << "filling in is not a change";
}

TEST(RowTexts, CategoriesRatingsAndOddValues) {
  const std::pair<int, std::string> categories[] = {
      {0, "动画"}, {3, "日剧"}, {5, "不明"}, {-1, "不明"}};
  for (const auto& [category, text] : categories) EXPECT_EQ(CategoryText(category), text);
  EXPECT_EQ(RatingText(-1), "");
  EXPECT_EQ(RatingText(4), "");
  EXPECT_EQ(ListIndexOfCategoryText("OVA"), 2);
  EXPECT_EQ(ListIndexOfCategoryText("不明"), kAwaitedList);
  EXPECT_EQ(ListIndexOfCategoryText("完结"), -1);
  SeriesRecord record;
  record.weekday = 7;  // hand-edited file
  EXPECT_EQ(AirTimeColumnText(record), " ");
}

TEST_F(ListTest, FinishedTabEmptiesNextTimesAwaitedTabLeavesThemEmpty) {
  WriteBytes("data.mvd",
             "T=11;N=1;w=-1;t=;n=f;v=9;s=0;d=2006-01-01 10:00;m=;p=;D=2006-01-08 10:00;k=;W=;c=0;"
             "T=25;N=2;w=-1;t=;n=w;v=0;s=0;d=2006-01-01 10:00;m=;p=;D=;k=;W=;c=0;");
  Start();
  list.OnTabSelected(kAwaitedList);
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  list.OnTabSelected(kFinishedList);
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  controller.SaveAndExit();
  EXPECT_TRUE(DataHas("n=f;v=9;s=0;d=2006-01-01 10:00;m=;p=;D=;"));
}

TEST_F(ListTest, StartTabAndDataPathComeFromTheSettingsAndMessagesCarryTheTitle) {
  WriteBytes("mv.ini", "default_type=3;p=.//other.mvd;SearchPostfixXX=1;");
  WriteBytes("other.mvd", "T=3;N=1;X=1;");
  Start();
  EXPECT_EQ(list.CurrentTab(), kDrama);
  EXPECT_EQ(view.tabSwitches, std::vector<int>{kDrama});
  // Settings first (reading stops at the overlong key), then the data file.
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"ini文件内部出错,此时请不要按保存按钮", kAppTitle},
                                               {"文件错误", kAppTitle}}));
  ASSERT_EQ(list.Rows().size(), 1u);
  controller.SaveAndExit();
  EXPECT_FALSE(Exists("data.mvd"));
  EXPECT_EQ(ReadBytes("other.mvd").substr(0, 8), "T=3;N=1;");
}

class SortTest : public AppTest {
 protected:
  void StartWithNames() {
    Start();
    AddWork("b", 1, 3);
    AddWork("c", 1, -1);
    AddWork("a", 1, 3);
    store.dataChanged = false;
  }
  std::string Names() {
    std::string names;
    for (const ListRow& row : list.Rows()) names += row.texts[kColumnName];
    return names;
  }
};

TEST_F(SortTest, SameColumnAscendingThenDescendingOtherColumnAscending) {
  StartWithNames();
  ASSERT_EQ(Names(), "acb");
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "abc");
  EXPECT_TRUE(store.dataChanged);
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "cba");
  EXPECT_TRUE(list.SortDescending());
  list.OnColumnHeaderClick(kColumnAirTime);
  EXPECT_EQ(Names(), "cba") << "no weekday first, then Wednesday in the previous order";
  EXPECT_FALSE(list.SortDescending());
  controller.SaveAndExit();
  std::string file = DataFile();
  EXPECT_LT(file.find("n=c;"), file.find("n=b;"));
  EXPECT_LT(file.find("n=b;"), file.find("n=a;"));
}

TEST_F(SortTest, TheSortStateIsSharedByAllTabs) {
  StartWithNames();
  list.OnColumnHeaderClick(kColumnName);  // anime ascending
  list.OnTabSelected(kManga);
  AddWork("y", 1);
  AddWork("z", 1);  // rows z, y
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "zy") << "the first click on another tab sorts descending";
  EXPECT_EQ(list.SortColumn(), kColumnName);
  list.OnTabSelected(kAnime);
  EXPECT_EQ(Names(), "abc");
}

TEST(ContextMenu, GreyedAndCheckedItemsPerTab) {
  // Update, edit, finish, add, delete enabled; finish checked.
  const std::tuple<int, bool, ContextMenuState> cases[] = {
      {kAnime, true, {true, true, true, true, true, false}},
      {kDrama, false, {false, false, false, true, false, false}},
      {kFinishedList, true, {false, true, true, false, true, true}},
      {kFinishedList, false, {false, false, false, false, false, false}},
      {kAwaitedList, true, {true, true, false, true, true, false}},
      {kAwaitedList, false, {false, false, false, true, false, false}},
  };
  for (const auto& [tab, selected, state] : cases)
    EXPECT_EQ(ContextMenuStateFor(tab, selected), state) << tab << " " << selected;
}

TEST_F(ListTest, ContextMenuRunsTheChosenCommand) {
  Start();
  AddWork("x", 1);
  view.selected = 0;
  view.menuChoices = {MenuCommand::kUpdate, MenuCommand::kFinish, MenuCommand::kAdd,
                      MenuCommand::kNone};
  commands.OnContextMenu();
  EXPECT_EQ(Text(0, kColumnEpisode), "2");
  commands.OnContextMenu();
  EXPECT_EQ(list.CurrentTab(), kFinishedList);
  // On the finished tab "添加" is greyed: choosing it anyway does nothing.
  commands.OnContextMenu();
  EXPECT_TRUE(view.menus.back().finishChecked);
  EXPECT_TRUE(view.openedForms.size() == 1u && view.messages.empty());
  commands.OnContextMenu();
  EXPECT_EQ(list.Rows().size(), 1u);
}

// The keyword before the name, both trimmed; a keyword of blanks opens
// nothing; without a selection the user is asked for one.
TEST_F(ListTest, SearchOpensTheAddressOfTheSelectedWork) {
  WriteBytes("mv.ini", "SearchEncode=3;SearchPrefix=http://s/?k=;SearchPostfix=&all;");
  WriteBytes("data.mvd", "T=0;N=1;n=名;k=动画 2;T=0;N=2;n=  ab ;k=;T=0;N=3;n=name;k=   ;");
  Start();
  for (int row : {0, 1, 2}) {
    view.selected = row;
    commands.Search();
    EXPECT_EQ(view.calls.back(), "FocusList");
  }
  EXPECT_EQ(view.addresses, (std::vector<std::string>{"http://s/?k=%E5%8A%A8%E7%94%BB+2&all",
                                                      "http://s/?k=ab&all"}));
  EXPECT_TRUE(view.messages.empty());
  view.selected = -1;
  commands.Search();
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"请先选中一项", "搜索"}}));
  EXPECT_EQ(view.addresses.size(), 2u);
  EXPECT_EQ(view.calls.back(), "FocusList");
}

}  // namespace
}  // namespace mirevo::testing
