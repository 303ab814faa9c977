// The rows the list shows, the column-header sort, the context menu and the
// search.
#include <gtest/gtest.h>

#include "app/context_menu.h"
#include "app/due_reminders.h"
#include "app_fakes.h"

namespace mirevo::testing {
namespace {

using ListTest = AppTest;
using Texts = std::array<std::string, kColumnCount>;

TEST_F(ListTest, RowTextsFollowTheColumns) {
  Start(
      "T=0;N=12;w=-1;t=;n=无日;v=3;s=0;d=2006-01-30 "
      "10:00;m=m\r\n||第3集\r\r;p=pic.jpg;D=Unknown;k=kw;"
      "W=周一(月)10:00 600;c=0;"
      "T=0;N=13;w=0;t=08:15;n=有日;v=0;s=3;d=2006-01-30 10:00;m=;p=;D=;k=;W=;c=0;");
  ASSERT_EQ(list.Rows().size(), 2u);
  // The notes on one line: each line break shows as one blank.
  EXPECT_EQ(list.TextsOfRow(0),
            (Texts{"12", " ", "无日", "3", "动画", "", "2006-01-30 10:00", "m ||第3集  ", "pic.jpg",
                   "Unknown", "kw", "周一(月)10:00"}));
  EXPECT_EQ(store.lists[kAnime].Head().notes, "m\r\n||第3集\r\r") << "stored as it was";
  EXPECT_EQ(list.TextsOfRow(1), (Texts{"13", "周日(日)08:15", "有日", "0", "动画", "☆☆☆",
                                       "2006-01-30 10:00", "", "", "2006-02-06 10:00", "", ""}))
      << "the next time is filled in when shown";
  EXPECT_FALSE(store.dataChanged) << "filling in is not a change";
}

// The timer waits for the next due moment; then the rows are coloured
// again without a fill: the selection stays, only the rows that changed are
// redrawn (an empty next time is filled in as a fill would), and nothing
// counts as a change of the data. The summary comes by itself, once, to a
// window in the tray with "AllowTrayBTip" on.
TEST_F(ListTest, ADueMomentRecoloursTheChangedRowsAndBringsTheSummaryOnce) {
  Start("T=0;N=1;n=a;d=2006-01-30 20:00;D=2006-01-31 20:45;T=0;N=2;n=b;d=2006-01-30 20:00;D=;",
        kAnime, 1);
  DueReminders reminders(list, store, settings, clock);
  EXPECT_EQ(reminders.Plan(), 15u * 60 * 1000);
  list.RecolourRows();
  EXPECT_EQ(view.changedRows, std::vector<int>{}) << "nothing changed yet";
  list.RecordOfRow(1).nextTime.clear();
  clock.Advance(15 * 60 - 1);
  EXPECT_FALSE(reminders.OnTimer(false, true));
  EXPECT_EQ(view.changedRows, std::vector<int>{}) << "not yet";
  clock.Advance(1);
  settings.trayBalloons = 0;
  EXPECT_FALSE(reminders.OnTimer(false, true));
  EXPECT_EQ(std::tuple(list.Rows()[0].colour, list.Rows()[1].colour, view.changedRows,
                       view.selected, store.dataChanged, Text(1, kColumnNextTime)),
            std::tuple(0xFF0000, kNoColour, std::vector<int>{0, 1}, 1, false, "2006-02-06 20:00"));
  settings.trayBalloons = 1;
  EXPECT_FALSE(reminders.OnTimer(false, false)) << "the window is shown";
  EXPECT_TRUE(reminders.OnTimer(false, true));
  list.DueSummaryText();
  EXPECT_FALSE(reminders.OnTimer(true, true)) << "listed already";
}

// Values of a hand-edited file outside the tables show as none; Saturday,
// the table's last weekday, shows.
TEST(RowTexts, OddValuesShowAsNone) {
  SeriesRecord record;
  record.airTime = "21:00";
  for (const auto& [weekday, shown] : {std::pair{6, "周六(土)21:00"}, {7, " "}}) {
    record.weekday = weekday;
    EXPECT_EQ(AirTimeColumnText(record), shown);
  }
  EXPECT_EQ(std::tuple(CategoryText(-1), CategoryText(5), RatingText(-1), RatingText(4)),
            std::tuple("不明", "不明", "", ""));
  EXPECT_EQ(std::tuple(ListIndexOfCategoryText("OVA"), ListIndexOfCategoryText("不明"),
                       ListIndexOfCategoryText("完结")),
            std::tuple(kOva, kAwaitedList, -1));
}

class SortTest : public AppTest {
 protected:
  std::string Names() {
    std::string names;
    for (int row = 0; row < static_cast<int>(list.Rows().size()); ++row)
      names += list.TextsOfRow(row)[kColumnName];
    return names;
  }
};

// Ascending on a new column, then descending, then ascending...: one state
// for all tabs. The order is data the file keeps.
TEST_F(SortTest, SameColumnAscendingThenDescendingOtherColumnAscending) {
  Start("T=0;N=1;n=a;w=3;T=0;N=2;n=c;w=-1;T=0;N=3;n=b;w=3;");
  ASSERT_EQ(Names(), "acb");
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(Names(), "abc");
  EXPECT_TRUE(store.dataChanged);
  list.OnTabSelected(kManga);
  AddWork("z", 1);
  AddWork("y", 1);
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(std::tuple(Names(), list.SortDescending()), std::tuple("zy", true));
  list.OnTabSelected(kAnime);
  EXPECT_EQ(Names(), "abc");
  list.OnColumnHeaderClick(kColumnAirTime);
  EXPECT_EQ(std::tuple(Names(), list.SortDescending()), std::tuple("cab", false))
      << "no weekday first, then Wednesday in the previous order";
  const std::string file = Saved();
  EXPECT_TRUE(file.find("n=c;") < file.find("n=a;") && file.find("n=a;") < file.find("n=b;"))
      << file;
}

TEST(ContextMenu, GreyedAndCheckedItemsPerTab) {
  // Update, edit, finish, add, delete enabled; finish checked.
  const std::tuple<int, bool, ContextMenuState> cases[] = {
      {kAnime, true, {true, true, true, true, true, false}},
      {kDrama, false, {false, false, false, true, false, false}},
      {kFinishedList, true, {false, true, true, false, true, true}},
      {kFinishedList, false, {false, false, false, false, false, false}},
      {kAwaitedList, true, {true, true, false, true, true, false}},
  };
  for (const auto& [tab, selected, state] : cases)
    EXPECT_EQ(ContextMenuStateFor(tab, selected), state) << tab << " " << selected;
}

TEST_F(ListTest, ContextMenuRunsTheChosenCommand) {
  Start("T=0;N=1;n=x;v=1;", kAnime, 0);
  view.menuChoices = {MenuCommand::kUpdate, MenuCommand::kFinish, MenuCommand::kAdd,
                      MenuCommand::kNone};
  commands.OnContextMenu();
  EXPECT_EQ(Text(0, kColumnEpisode), "2");
  commands.OnContextMenu();
  EXPECT_EQ(list.CurrentTab(), kFinishedList);
  // On the finished tab "添加" is greyed: choosing it anyway does nothing.
  commands.OnContextMenu();
  EXPECT_TRUE(view.openedForms.empty() && view.messages.empty());
  commands.OnContextMenu();
  EXPECT_EQ(list.Rows().size(), 1u);
}

// The keyword before the name, both trimmed; a keyword of blanks wins and
// opens nothing.
TEST_F(ListTest, SearchOpensTheAddressOfTheSelectedWork) {
  WriteBytes("mv.ini", "SearchEncode=3;SearchPrefix=http://s/?k=;SearchPostfix=&all;");
  Start("T=0;N=1;n=名;k= 动画 2;T=0;N=2;n=name;k=   ;T=0;N=3;n=\tab \r\n;k=;");
  for (int row : {0, 1, 2}) {
    view.selected = row;
    commands.Search();
  }
  EXPECT_EQ(view.focused, 3) << "the list is focused again each time";
  EXPECT_EQ(view.addresses, (std::vector<std::string>{"http://s/?k=%E5%8A%A8%E7%94%BB+2&all",
                                                      "http://s/?k=ab&all"}));
}

}  // namespace
}  // namespace mirevo::testing
