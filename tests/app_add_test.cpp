// Adding works on each tab, through the record dialog, down to the bytes
// that "保存并退出" writes.
#include <gtest/gtest.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

constexpr char kEpisodeZeroMessage[] =
    "由于集数是0，所以此项会添加到“期待”目录下\n你可以点更新使“期待”下的项的集数＋1\n"
    "它将自动转到它该到的地方去";
constexpr char kStartedOnAwaited[] = "不要向期待目录下添加已经开始播出的作品\n\n请将集数改为0";

using AddTest = AppTest;

TEST_F(AddTest, OnAKindTabTheWorkGetsTheNextIdAndANextTimeAWeekLater) {
  Start();
  view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) {
    form.name = std::string("灼眼的夏娜");
    form.episodeText = "1";
    form.weekday = 5;
    form.airHour = 1;
    form.airMinute = 5;
    form.rating = 2;
    form.notes = std::string("第一季");
  }));
  commands.Add();

  ASSERT_EQ(view.openedForms.size(), 1u);
  EXPECT_EQ(view.openedForms[0].title, "添加");
  EXPECT_EQ(view.openedForms[0].updateTime, "2006-01-31 20:30");
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(Row(0).texts, (std::array<std::string, kColumnCount>{
                              "1", "周五(金)01:05", "灼眼的夏娜", "1", "动画", "☆☆",
                              "2006-01-31 20:30", "第一季", "", "2006-02-07 20:30", "", ""}));
  EXPECT_EQ(view.selected, 0);
  EXPECT_TRUE(view.messages.empty());
  controller.SaveAndExit();
  EXPECT_EQ(DataFile(),
            "T=0;N=1;w=5;t=01:05;n=灼眼的夏娜;v=1;s=2;d=2006-01-31 20:30;m=第一季;p=;"
            "D=2006-02-07 20:30;k=;W=;c=0;");
}

TEST_F(AddTest, RefusedOnTheFinishedTabAndCancelledChangeNothing) {
  Start();
  view.recordDialogs.push_back(FakeView::Cancelled());
  commands.Add();
  EXPECT_EQ(view.calls.back(), "FocusList");
  list.OnTabSelected(kFinishedList);
  commands.Add();
  EXPECT_EQ(view.messages,
            (std::vector<Shown>{{"不能直接向完结目录中添加,要设置完结请按完结按钮", "添加"}}));
  EXPECT_EQ(view.openedForms.size(), 1u) << "no dialog on the finished tab";
  EXPECT_TRUE(list.Rows().empty());
  EXPECT_FALSE(store.dataChanged);
}

// Episode 0 parks the work on "期待" with the category of the tab it was
// added on; added on "期待" itself it has none yet.
struct EpisodeZeroCase {
  int tab;
  const char* category;
  const char* record;
};

class AddEpisodeZeroTest : public AppTest, public ::testing::WithParamInterface<EpisodeZeroCase> {};

TEST_P(AddEpisodeZeroTest, GoesToAwaited) {
  Start();
  list.OnTabSelected(GetParam().tab);
  AddWork("新作", 0);
  EXPECT_EQ(view.messages, (std::vector<Shown>{{kEpisodeZeroMessage, "添加"}}));
  EXPECT_EQ(list.CurrentTab(), kAwaitedList);
  if (GetParam().tab != kAwaitedList) {
    EXPECT_EQ(view.tabSwitches.back(), kAwaitedList);
  }
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(Text(0, kColumnCategory), GetParam().category);
  EXPECT_EQ(Text(0, kColumnNextTime), "") << "awaited works get no next time";
  EXPECT_EQ(view.selected, 0);
  EXPECT_TRUE(store.lists[GetParam().tab % kFinishedList].empty());
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().substr(0, 9), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(Tabs, AddEpisodeZeroTest,
                         ::testing::Values(EpisodeZeroCase{kManga, "漫画", "T=21;N=1;"},
                                           EpisodeZeroCase{kAwaitedList, "不明", "T=25;N=1;"}));

// A started work on "期待" brings the dialog back with the values entered so
// far and the current minute as update time, until episode 0 or cancel.
TEST_F(AddTest, AStartedWorkOnAwaitedBringsTheDialogBack) {
  Start();
  list.OnTabSelected(kAwaitedList);
  for (bool confirmAgain : {false, true}) {
    view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) {
      form.name = std::string("X");
      form.episodeText = "3";
      form.updateTime = "2005-01-01 00:00";
    }));
    view.recordDialogs.push_back([confirmAgain](RecordForm& form, FakeView&) {
      form.episodeText = "0";
      return confirmAgain && !form.Confirm();
    });
    clock.Advance(60);
    commands.Add();
    ASSERT_EQ(view.openedForms.size(), confirmAgain ? 4u : 2u);
    const RecordForm& again = view.openedForms.back();
    EXPECT_EQ(again.name, std::string("X"));
    EXPECT_EQ(again.episodeText, "3");
    EXPECT_EQ(again.updateTime, confirmAgain ? "2006-01-31 20:32" : "2006-01-31 20:31");
    EXPECT_EQ(list.Rows().size(), confirmAgain ? 1u : 0u);
    EXPECT_EQ(store.dataChanged, confirmAgain);
  }
  EXPECT_EQ(view.messages, (std::vector<Shown>{{kStartedOnAwaited, "添加"},
                                               {kStartedOnAwaited, "添加"},
                                               {kEpisodeZeroMessage, "添加"}}));
  EXPECT_EQ(Text(0, kColumnEpisode), "0");
}

TEST_F(AddTest, IdsKeepRisingAcrossDeletionsAndRestartFromTheFile) {
  Start();
  AddWork("a", 1);
  AddWork("b", 1);
  view.selected = 0;  // "b", the newest, is the head
  view.answers.push_back(Answer::kYes);
  commands.Delete();
  AddWork("c", 1);
  EXPECT_EQ(Text(0, kColumnId), "3");
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().substr(0, 14), "T=0;N=3;w=-1;t") << "the file keeps the list order";
}

// A counter at the largest id cannot be raised: a new work takes the
// smallest id no work has, never one in use, across restarts too.
TEST_F(AddTest, AtTheLargestIdANewWorkTakesTheSmallestFreeOne) {
  WriteBytes("data.mvd", "T=0;N=2147483647;n=max;T=0;N=1;n=one;");
  for (const char* expected : {"2", "3"}) {
    controller.session.Store() = {};
    Start();
    AddWork("new", 1);
    EXPECT_EQ(Text(0, kColumnId), expected);
    controller.SaveAndExit();
  }
}

}  // namespace
}  // namespace mirevo::testing
