// The rows the list shows, tab changes, the column-header sort, the
// context menu and the search.
#include <gtest/gtest.h>

#include "app/context_menu.h"
#include "app_fakes.h"

namespace mirevo::testing {
namespace {

class ListTest : public AppTest {};

TEST_F(ListTest, RowTextsFollowTheColumns) {
  WriteBytes("data.mvd",
             "T=0;N=12;w=-1;t=;n=无日;v=3;s=0;d=2006-01-30 10:00;m=m;p=pic.jpg;D=Unknown;k=kw;"
             "W=周一(月)10:00 600;c=0;"
             "T=0;N=13;w=0;t=08:15;n=有日;v=0;s=3;d=2006-01-30 10:00;m=;p=;D=;k=;W=;c=0;");
  Start();
  ASSERT_EQ(controller.Rows().size(), 2u);
  const auto& first = Row(0).texts;
  EXPECT_EQ(first[kColumnId], "12");
  EXPECT_EQ(first[kColumnAirTime], " ");
  EXPECT_EQ(first[kColumnRating], "");
  EXPECT_EQ(first[kColumnPreviewPath], "pic.jpg");
  EXPECT_EQ(first[kColumnNextTime], "Unknown");
  EXPECT_EQ(first[kColumnKeyword], "kw");
  EXPECT_EQ(first[kColumnEarliestUpdate], "周一(月)10:00");
  const auto& second = Row(1).texts;
  EXPECT_EQ(second[kColumnAirTime], "周日(日)08:15");
  EXPECT_EQ(second[kColumnEpisode], "0");
  EXPECT_EQ(second[kColumnRating], "☆☆☆");
  EXPECT_EQ(second[kColumnNextTime], "2006-02-06 10:00") << "filled in when shown";
  EXPECT_FALSE(controller.Store().dataChanged) << "filling in is not a change";
}

TEST(RowTexts, CategoriesRatingsAndOddValues) {
  EXPECT_EQ(CategoryText(0), "动画");
  EXPECT_EQ(CategoryText(3), "日剧");
  EXPECT_EQ(CategoryText(5), "不明");
  EXPECT_EQ(CategoryText(-1), "不明");
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
  controller.OnTabSelected(kAwaitedList);
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  controller.OnTabSelected(kFinishedList);
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  controller.SaveAndExit();
  EXPECT_NE(DataFile().find("n=f;v=9;s=0;d=2006-01-01 10:00;m=;p=;D=;"), std::string::npos);
}

TEST_F(ListTest, StartTabComesFromTheSettingsAndMessagesCarryTheTitle) {
  WriteBytes("mv.ini", "default_type=3;SearchPostfixXX=1;");
  WriteBytes("data.mvd", "T=3;N=1;X=1;");
  Start();
  EXPECT_EQ(controller.CurrentTab(), kDrama);
  EXPECT_EQ(view.tabSwitches, std::vector<int>{kDrama});
  // Settings first (reading stops at the overlong key), then the data file.
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"ini文件内部出错,此时请不要按保存按钮", kAppTitle},
                                               {"文件错误", kAppTitle}}));
  EXPECT_EQ(controller.Rows().size(), 1u);
}

TEST_F(ListTest, DataPathComesFromTheSettingsFile) {
  WriteBytes("mv.ini", "p=.//other.mvd;default_type=9;");
  WriteBytes("other.mvd", "T=0;N=1;n=x;");
  Start();
  EXPECT_EQ(controller.CurrentTab(), kAnime);
  ASSERT_EQ(controller.Rows().size(), 1u);
  controller.SaveAndExit();
  EXPECT_FALSE(Exists("data.mvd"));
  EXPECT_NE(ReadBytes("other.mvd").find("n=x;"), std::string::npos);
}

class SortTest : public AppTest {
 protected:
  void StartWithNames() {
    Start();
    AddWork("b", 1, 3);
    AddWork("c", 1, -1);
    AddWork("a", 1, 3);
    controller.Store().dataChanged = false;
  }
  std::string Names() {
    std::string names;
    for (const ListRow& row : controller.Rows()) names += row.texts[kColumnName];
    return names;
  }
};

TEST_F(SortTest, SameColumnAscendingThenDescendingOtherColumnAscending) {
  StartWithNames();
  ASSERT_EQ(Names(), "acb");
  controller.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "abc");
  EXPECT_TRUE(controller.Store().dataChanged);
  controller.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "cba");
  EXPECT_TRUE(controller.SortDescending());
  controller.OnColumnHeaderClick(kColumnAirTime);
  EXPECT_EQ(Names(), "cba") << "no weekday first, then Wednesday in the previous order";
  EXPECT_FALSE(controller.SortDescending());
  controller.SaveAndExit();
  std::string file = DataFile();
  EXPECT_LT(file.find("n=c;"), file.find("n=b;"));
  EXPECT_LT(file.find("n=b;"), file.find("n=a;"));
}

TEST_F(SortTest, TheSortStateIsSharedByAllTabs) {
  StartWithNames();
  controller.OnColumnHeaderClick(kColumnName);  // anime ascending
  controller.OnTabSelected(kManga);
  AddWork("y", 1);
  AddWork("z", 1);  // rows z, y
  controller.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "zy") << "the first click on another tab sorts descending";
  EXPECT_EQ(controller.SortColumn(), kColumnName);
  controller.OnTabSelected(kAnime);
  EXPECT_EQ(Names(), "abc");
}

struct MenuCase {
  int tab;
  bool selected;
  ContextMenuState state;
};

TEST(ContextMenu, GreyedAndCheckedItemsPerTab) {
  // update, edit, finish, add, delete enabled; finish checked
  const MenuCase cases[] = {
      {kAnime, true, {true, true, true, true, true, false}},
      {kDrama, false, {false, false, false, true, false, false}},
      {kFinishedList, true, {false, true, true, false, true, true}},
      {kFinishedList, false, {false, false, false, false, false, false}},
      {kAwaitedList, true, {true, true, false, true, true, false}},
      {kAwaitedList, false, {false, false, false, true, false, false}},
  };
  for (const MenuCase& c : cases)
    EXPECT_EQ(ContextMenuStateFor(c.tab, c.selected), c.state) << c.tab << " " << c.selected;
}

TEST_F(ListTest, ContextMenuRunsTheChosenCommand) {
  Start();
  AddWork("x", 1);
  view.selected = 0;
  view.menuChoices.push_back(MenuCommand::kUpdate);
  controller.OnContextMenu();
  EXPECT_EQ(Text(0, kColumnEpisode), "2");
  view.menuChoices.push_back(MenuCommand::kFinish);
  controller.OnContextMenu();
  EXPECT_EQ(controller.CurrentTab(), kFinishedList);
  // On the finished tab "添加" is greyed: choosing it anyway does nothing.
  view.menuChoices.push_back(MenuCommand::kAdd);
  controller.OnContextMenu();
  EXPECT_TRUE(view.menus.back().finishChecked);
  EXPECT_TRUE(view.openedForms.size() == 1u && view.messages.empty());
  view.menuChoices.push_back(MenuCommand::kNone);
  controller.OnContextMenu();
  EXPECT_EQ(controller.Rows().size(), 1u);
}

class SearchTest : public AppTest {
 protected:
  void StartWith(const char* keyword, const char* name) {
    WriteBytes("mv.ini", "SearchEncode=3;SearchPrefix=http://s/?k=;SearchPostfix=&all;");
    WriteBytes("data.mvd", std::string("T=0;N=1;n=") + name + ";k=" + keyword + ";");
    Start();
    view.selected = 0;
    controller.Search();
  }
};

TEST_F(SearchTest, KeywordBeforeName) {
  StartWith("动画 2", "名");
  EXPECT_EQ(view.addresses, std::vector<std::string>{"http://s/?k=%E5%8A%A8%E7%94%BB+2&all"});
  EXPECT_EQ(view.calls.back(), "FocusList");
}

TEST_F(SearchTest, NameWithoutKeywordIsTrimmed) {
  StartWith("", "  ab ");
  EXPECT_EQ(view.addresses, std::vector<std::string>{"http://s/?k=ab&all"});
}

TEST_F(SearchTest, BlanksOnlyKeywordOpensNothing) {
  StartWith("   ", "name");
  EXPECT_TRUE(view.addresses.empty());
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(SearchTest, NoSelectionAsksForOne) {
  Start();
  controller.Search();
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"请先选中一项", "搜索"}}));
  EXPECT_TRUE(view.addresses.empty());
  EXPECT_EQ(view.calls.back(), "FocusList");
}

}  // namespace
}  // namespace mirevo::testing
