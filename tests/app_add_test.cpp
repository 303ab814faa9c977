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

class AddTest : public AppTest {};

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
  controller.Add();

  ASSERT_EQ(view.openedForms.size(), 1u);
  EXPECT_EQ(view.openedForms[0].title, "添加");
  EXPECT_EQ(view.openedForms[0].updateTime, "2006-01-31 20:30");
  ASSERT_EQ(controller.Rows().size(), 1u);
  const ListRow& row = Row(0);
  EXPECT_EQ(row.texts[kColumnId], "1");
  EXPECT_EQ(row.texts[kColumnAirTime], "周五(金)01:05");
  EXPECT_EQ(row.texts[kColumnCategory], "动画");
  EXPECT_EQ(row.texts[kColumnRating], "☆☆");
  EXPECT_EQ(row.texts[kColumnNextTime], "2006-02-07 20:30");
  EXPECT_EQ(view.selected, 0);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(controller.Store().dataChanged);

  controller.SaveAndExit();
  EXPECT_EQ(DataFile(),
            "T=0;N=1;w=5;t=01:05;n=灼眼的夏娜;v=1;s=2;d=2006-01-31 20:30;m=第一季;p=;"
            "D=2006-02-07 20:30;k=;W=;c=0;");
}

TEST_F(AddTest, FinishedTabRefusesWithoutOpeningTheDialog) {
  Start();
  controller.OnTabSelected(kFinishedList);
  controller.Add();
  EXPECT_EQ(view.messages,
            (std::vector<Shown>{{"不能直接向完结目录中添加,要设置完结请按完结按钮", "添加"}}));
  EXPECT_TRUE(view.openedForms.empty());
  EXPECT_FALSE(controller.Store().dataChanged);
}

TEST_F(AddTest, EpisodeZeroOnAKindTabGoesToAwaitedKeepingItsCategory) {
  Start();
  controller.OnTabSelected(kManga);
  AddWork("新作", 0);

  EXPECT_EQ(view.messages, (std::vector<Shown>{{kEpisodeZeroMessage, "添加"}}));
  EXPECT_EQ(controller.CurrentTab(), kAwaitedList);
  EXPECT_EQ(view.tabSwitches.back(), kAwaitedList);
  ASSERT_EQ(controller.Rows().size(), 1u);
  EXPECT_EQ(Text(0, kColumnCategory), "漫画");
  EXPECT_EQ(Text(0, kColumnNextTime), "") << "awaited works get no next time";
  EXPECT_EQ(view.selected, 0);
  EXPECT_TRUE(controller.Store().lists[kManga].empty());

  controller.SaveAndExit();
  EXPECT_EQ(DataFile().substr(0, 9), "T=21;N=1;");
}

TEST_F(AddTest, EpisodeZeroOnAwaitedHasNoCategoryYet) {
  Start();
  controller.OnTabSelected(kAwaitedList);
  AddWork("未定", 0);
  EXPECT_EQ(view.messages, (std::vector<Shown>{{kEpisodeZeroMessage, "添加"}}));
  EXPECT_EQ(Text(0, kColumnCategory), "不明");
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().substr(0, 9), "T=25;N=1;");
}

TEST_F(AddTest, AStartedWorkOnAwaitedBringsTheDialogBackUntilEpisodeZero) {
  Start();
  controller.OnTabSelected(kAwaitedList);
  view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) {
    form.name = std::string("X");
    form.episodeText = "3";
  }));
  view.recordDialogs.push_back([this](RecordForm& form, FakeView&) {
    clock.Advance(120);  // the user takes two minutes to read the message
    form.episodeText = "0";
    return !form.Confirm();
  });
  controller.Add();

  ASSERT_EQ(view.openedForms.size(), 2u);
  EXPECT_EQ(view.openedForms[1].name, std::string("X")) << "values entered so far come back";
  EXPECT_EQ(view.openedForms[1].episodeText, "3");
  EXPECT_EQ(view.messages,
            (std::vector<Shown>{{kStartedOnAwaited, "添加"}, {kEpisodeZeroMessage, "添加"}}));
  ASSERT_EQ(controller.Rows().size(), 1u);
  EXPECT_EQ(Text(0, kColumnEpisode), "0");
}

TEST_F(AddTest, TheDialogComesBackWithTheUpdateTimeOfTheCurrentMinute) {
  Start();
  controller.OnTabSelected(kAwaitedList);
  view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) {
    form.episodeText = "3";
    form.updateTime = "2005-01-01 00:00";
  }));
  view.recordDialogs.push_back([this](RecordForm&, FakeView&) {
    clock.Advance(60);
    return false;
  });
  clock.Advance(60);
  controller.Add();
  ASSERT_EQ(view.openedForms.size(), 2u);
  EXPECT_EQ(view.openedForms[1].updateTime, "2006-01-31 20:31");
  EXPECT_TRUE(controller.Rows().empty()) << "cancelling the second run adds nothing";
  EXPECT_FALSE(controller.Store().dataChanged);
}

TEST_F(AddTest, CancelChangesNothing) {
  Start();
  view.recordDialogs.push_back(FakeView::Cancelled());
  controller.Add();
  EXPECT_TRUE(controller.Rows().empty());
  EXPECT_FALSE(controller.Store().dataChanged);
  EXPECT_EQ(view.calls.back(), "FocusList");
}

TEST_F(AddTest, IdsKeepRisingAcrossDeletionsAndRestartFromTheFile) {
  Start();
  AddWork("a", 1);
  AddWork("b", 1);
  view.selected = 0;  // "b", the newest, is the head
  view.answers.push_back(Answer::kYes);
  controller.Delete();
  AddWork("c", 1);
  EXPECT_EQ(Text(0, kColumnId), "3");
  controller.SaveAndExit();

  FakeView secondView;
  MainController second(secondView, clock);
  secondView.rows = &second.Rows();
  second.LoadSettingsFile();
  second.LoadDataFile();
  second.ShowStartTab();
  EXPECT_EQ(second.Store().idCounter, 3);
  ASSERT_EQ(second.Rows().size(), 2u);
  EXPECT_EQ(second.Rows()[0].texts[kColumnName], "c") << "the file keeps the list order";
  EXPECT_EQ(second.Rows()[1].texts[kColumnName], "a");
}

TEST_F(AddTest, RefusedTextIsReportedAndTheFixedOneSaved) {
  Start();
  view.recordDialogs.push_back([](RecordForm& form, FakeView& dialog) {
    form.name = std::string("a;b=c");
    form.episodeText = "1";
    auto refusal = form.Confirm();
    EXPECT_TRUE(refusal);
    if (refusal) dialog.ShowMessage(refusal->message, kAppTitle);
    form.name = std::nullopt;  // then a character GBK cannot hold
    refusal = form.Confirm();
    EXPECT_TRUE(refusal);
    if (refusal) dialog.ShowMessage(refusal->message, kAppTitle);
    form.name = std::string("a;b");
    return !form.Confirm();
  });
  controller.Add();
  ASSERT_EQ(view.messages.size(), 2u);
  EXPECT_EQ(view.messages[0].caption, kAppTitle);
  EXPECT_EQ(view.messages[0].text.rfind("名称", 0), 0u);
  EXPECT_NE(view.messages[0].text, view.messages[1].text);
  controller.SaveAndExit();
  EXPECT_NE(DataFile().find("n=a;b;v=1;"), std::string::npos);
}

}  // namespace
}  // namespace mirevo::testing
