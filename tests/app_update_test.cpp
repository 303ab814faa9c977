// "更新": the awaited work's first update with and without a category, the
// log line in the notes, the next time a week later and the due colour.
#include <gtest/gtest.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

using UpdateTest = AppTest;

TEST_F(UpdateTest, AwaitedWorkWithACategoryMovesToItsTabWithoutAsking) {
  Start();
  AddWork("新番", 0);  // on "动画": category 0, parked on "期待"
  ASSERT_EQ(list.CurrentTab(), kAwaitedList);
  clock.Advance(kOneDay);
  view.selected = 0;
  commands.Update();

  EXPECT_TRUE(view.typeDialogs.empty());
  EXPECT_EQ(list.CurrentTab(), kAnime);
  EXPECT_EQ(view.tabSwitches.back(), kAnime);
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(0, kColumnEpisode), "1");
  EXPECT_EQ(Text(0, kColumnUpdateTime), "2006-02-01 20:30");
  EXPECT_EQ(Text(0, kColumnNextTime), "2006-02-08 20:30");
  EXPECT_TRUE(store.lists[kAwaitedList].empty());

  controller.SaveAndExit();
  EXPECT_EQ(DataFile(),
            "T=0;N=1;w=-1;t=00:00;n=新番;v=1;s=-1;d=2006-02-01 20:30;"
            "m=\r\n||第1集 于 2006-02-01 20:30 更新;p=;D=2006-02-08 20:30;k=;"
            "W=周三(水)20:30 86400;c=0;");
}

// Without a category, or with one that names no list, the type dialog
// chooses the list instead of indexing past the lists.
TEST_F(UpdateTest, AwaitedWorkWithoutAValidCategoryAsksForOne) {
  Start();
  list.OnTabSelected(kAwaitedList);
  AddWork("未定", 0);
  SeriesRecord& odd = store.lists[kAwaitedList].InsertNewRecord();
  std::tie(odd.id, odd.episode, odd.category) = std::tuple(4, 0, 9);
  list.OnTabSelected(kAwaitedList);  // rows: odd, 未定
  view.selected = 1;
  view.typeDialogs = {std::nullopt, kOva, kManga};
  commands.Update();
  EXPECT_EQ(list.CurrentTab(), kAwaitedList) << "cancelled: nothing changes";
  EXPECT_EQ(Text(1, kColumnEpisode), "0");
  EXPECT_EQ(Text(1, kColumnCategory), "不明");

  clock.Advance(kOneDay);
  view.selected = 1;
  commands.Update();
  EXPECT_EQ(list.CurrentTab(), kOva);
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(Text(0, kColumnCategory), "OVA");
  EXPECT_EQ(Text(0, kColumnEpisode), "1");
  EXPECT_EQ(view.selected, 0);

  list.OnTabSelected(kAwaitedList);
  view.selected = 0;
  commands.Update();
  EXPECT_EQ(list.CurrentTab(), kManga);
  EXPECT_EQ(Text(0, kColumnCategory), "漫画");
  controller.SaveAndExit();
  EXPECT_TRUE(DataHas("T=2;N=1;"));
}

TEST_F(UpdateTest, KindTabUpdateAppendsTheLogAndKeepsTheQuickestGap) {
  // A drama updated on Monday, marked due by both sticky rules.
  WriteBytes("data.mvd",
             "T=3;N=7;w=2;t=21:00;n=日剧A;v=4;s=0;d=2006-01-30 21:00;m=notes;p=;"
             "D=2006-02-06 21:00;k=;W=;c=110;");
  Start();
  list.OnTabSelected(kDrama);
  ASSERT_EQ(list.Rows().size(), 1u);
  clock.Advance(3 * kOneDay);  // Friday 2006-02-03 20:30
  view.selected = 0;
  commands.Update();

  EXPECT_EQ(view.selected, 0) << "the selection stays";
  EXPECT_EQ(Text(0, kColumnEpisode), "5");
  EXPECT_EQ(Text(0, kColumnNextTime), "2006-02-10 20:30");
  EXPECT_EQ(Text(0, kColumnEarliestUpdate), "周五(金)20:30");
  EXPECT_EQ(Row(0).colour, 0) << "updated today";
  EXPECT_TRUE(store.dataChanged);
  controller.SaveAndExit();
  // 2006-01-30 21:00 to 2006-02-03 20:30 is 4 days less 30 minutes.
  EXPECT_EQ(DataFile(),
            "T=3;N=7;w=2;t=21:00;n=日剧A;v=5;s=0;d=2006-02-03 20:30;"
            "m=notes\r\n||第5集 于 2006-02-03 20:30 更新;p=;D=2006-02-10 20:30;k=;"
            "W=周五(金)20:30 343800;c=0;");
}

TEST_F(UpdateTest, OvaKeepsItsEarliestUpdate) {
  WriteBytes("data.mvd", "T=2;N=1;w=-1;t=00:00;n=O;v=1;s=0;d=2006-01-31 20:00;m=;p=;D=;k=;W=;c=0;");
  Start();
  list.OnTabSelected(kOva);
  view.selected = 0;
  commands.Update();
  EXPECT_EQ(Text(0, kColumnEarliestUpdate), "");
  EXPECT_EQ(Text(0, kColumnEpisode), "2");
}

TEST_F(UpdateTest, AWeekLaterTheWorkIsDueColouredAndInTheSummary) {
  Start();
  AddWork("周番", 3);
  settings.tipShowType = 10000;
  clock.Advance(7 * kOneDay - 60);
  list.ShowTab(kAnime);
  EXPECT_EQ(Row(0).colour, 0) << "a minute before its next time";
  EXPECT_EQ(list.DueSummaryText(), "===动画===\n");

  clock.Advance(60);
  list.ShowTab(kAnime);
  EXPECT_EQ(Row(0).colour, 0xFF0000);
  EXPECT_EQ(list.DueSummaryText(), "===动画===\n周番     4\n");

  view.selected = 0;
  commands.Update();
  EXPECT_EQ(Row(0).colour, 0);
  EXPECT_EQ(Text(0, kColumnNextTime), "2006-02-14 20:30");
}

// Without a selection, on the finished tab, and at the largest episode
// there is (one more would wrap to a negative count).
TEST_F(UpdateTest, RefusalsChangeNothing) {
  WriteBytes("data.mvd", "T=0;N=1;n=long;v=2147483647;m=;");
  Start();
  commands.Update();
  view.selected = 0;
  commands.Update();
  list.OnTabSelected(kFinishedList);
  commands.Update();
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"请先选中一项", "更新"},
                                               {kEpisodeAtLimit, "更新"},
                                               {"在完结页面里是不能更新的!", "更新"}}));
  EXPECT_FALSE(store.dataChanged);
  list.OnTabSelected(kAnime);
  EXPECT_EQ(Text(0, kColumnEpisode), "2147483647");
  EXPECT_EQ(store.lists[kAnime].Head().notes, "");
}

}  // namespace
}  // namespace mirevo::testing
