// "编辑", "完结" and "删除" on the selected work.
#include <gtest/gtest.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

class EditTest : public AppTest {
 protected:
  // One anime work, id 5, airing Monday 23:30, with the given flags.
  void StartWithOneWork(const std::string& flags = "110") {
    WriteBytes("data.mvd",
               "T=0;N=5;w=1;t=23:30;n=作品;v=4;s=1;d=2006-01-30 21:00;m=;p=;"
               "D=2006-02-06 21:00;k=;W=;c=" +
                   flags + ";");
    Start();
    view.selected = 0;
  }
  void EditWith(std::function<void(RecordForm&)> change) {
    view.recordDialogs.push_back(FakeView::Confirmed(std::move(change)));
    controller.Edit();
  }
  std::string FlagsInFile() {
    controller.SaveAndExit();
    std::string file = DataFile();
    return file.substr(file.rfind("c=") + 2);
  }
};

TEST_F(EditTest, OpensWithTheStoredValuesAndKeepsTheUpdateTime) {
  StartWithOneWork();
  clock.Advance(kOneDay);
  EditWith([](RecordForm& form) { form.name = std::string("新名"); });
  ASSERT_EQ(view.openedForms.size(), 1u);
  const RecordForm& opened = view.openedForms[0];
  EXPECT_EQ(std::tie(opened.title, opened.addMode, opened.airHour, opened.airMinute, opened.weekday,
                     opened.rating, opened.episodeText),
            std::tuple("编辑", false, 23, 30, 1, 1, "4"));
  EXPECT_EQ(Text(0, kColumnName), "新名");
  EXPECT_EQ(Text(0, kColumnUpdateTime), "2006-01-30 21:00");
  EXPECT_EQ(view.selected, 0);
}

// A manual next time replaces the sticky reminders; clearing ("Unknown") or
// emptying it (filled again on a kind tab) drops the manual flag; an
// unchanged next time leaves the flags alone.
struct NextTimeCase {
  const char* flags;
  void (*change)(RecordForm&);
  const char* shown;
  const char* flagsAfter;
};

class EditNextTimeTest : public EditTest, public ::testing::WithParamInterface<NextTimeCase> {};

TEST_P(EditNextTimeTest, SetsTheManualFlag) {
  StartWithOneWork(GetParam().flags);
  EditWith(GetParam().change);
  EXPECT_EQ(Text(0, kColumnNextTime), GetParam().shown);
  EXPECT_EQ(FlagsInFile(), GetParam().flagsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditNextTimeTest,
    ::testing::Values(NextTimeCase{"110", [](RecordForm& f) { f.nextTime = "2006-02-10 12:00"; },
                                   "2006-02-10 12:00", "1;"},
                      NextTimeCase{"1",
                                   [](RecordForm& f) {
                                     TimeForm time = f.NextTimeForm();
                                     time.Clear();
                                     f.TakeNextTime(time);
                                   },
                                   "Unknown", "0;"},
                      NextTimeCase{"1", [](RecordForm& f) { f.nextTime.clear(); },
                                   "2006-02-06 21:00", "0;"},
                      NextTimeCase{"110", [](RecordForm& f) { f.notes = std::string("x"); },
                                   "2006-02-06 21:00", "110;"}));

TEST_F(EditTest, OnAwaitedTheEpisodeStaysZeroAndTheRestIsSaved) {
  Start();
  controller.OnTabSelected(kAwaitedList);
  AddWork("未定", 0);
  view.messages.clear();
  view.selected = 0;
  EditWith([](RecordForm& form) {
    form.episodeText = "2";
    form.notes = std::string("十月开播");
  });
  EXPECT_EQ(
      view.messages,
      (std::vector<Shown>{
          {"现在是在“期待”目录下,所以对集数的修改不能生效\n你可以试着点一下更新按钮", "编辑"}}));
  EXPECT_EQ(Text(0, kColumnEpisode), "0");
  controller.SaveAndExit();
  EXPECT_TRUE(DataHas(";v=0;s=-1;d=2006-01-31 20:30;m=十月开播;"));
}

TEST_F(EditTest, OnFinishedTheNextTimeStaysEmpty) {
  StartWithOneWork();
  controller.Finish();
  ASSERT_EQ(controller.CurrentTab(), kFinishedList);
  EditWith([](RecordForm& form) { form.nextTime = "2006-03-01 00:00"; });
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  EXPECT_EQ(FlagsInFile(), "0;") << "the finished tab clears every flag";
}

TEST_F(EditTest, NoSelectionOrCancelChangesNothing) {
  StartWithOneWork();
  view.selected = -1;
  controller.OnListDoubleClick();
  EXPECT_TRUE(view.messages.empty()) << "a double click on nothing does nothing";
  controller.Edit();  // the Enter key
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"请先选中一项", "编辑"}}));
  view.selected = 0;
  view.recordDialogs.push_back(FakeView::Cancelled());
  controller.OnListDoubleClick();
  EXPECT_EQ(view.openedForms.size(), 1u);
  EXPECT_FALSE(controller.Store().dataChanged);
}

using FinishTest = EditTest;

TEST_F(FinishTest, ToFinishedAndBackByTheTypeText) {
  StartWithOneWork();
  controller.Finish();
  EXPECT_EQ(controller.CurrentTab(), kFinishedList);
  EXPECT_EQ(view.tabSwitches.back(), kFinishedList);
  ASSERT_EQ(controller.Rows().size(), 1u);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(0, kColumnNextTime), "") << "finished works have no next time";
  EXPECT_TRUE(controller.Store().lists[kAnime].empty());

  controller.Finish();
  EXPECT_EQ(controller.CurrentTab(), kAnime);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(0, kColumnNextTime), "2006-02-06 21:00") << "filled again from the update";
  controller.Finish();
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().substr(0, 10), "T=10;N=5;w");
}

TEST_F(FinishTest, AFinishedWorkShownAsUnknownGoesBackToAwaited) {
  Start();
  SeriesRecord& record = controller.Store().lists[kFinishedList].InsertNewRecord();
  record.id = 9;
  record.category = kCategoryNotChosen;
  controller.OnTabSelected(kFinishedList);
  ASSERT_EQ(Text(0, kColumnCategory), "不明");
  view.selected = 0;
  controller.Finish();
  EXPECT_EQ(controller.CurrentTab(), kAwaitedList);
  EXPECT_EQ(controller.Store().lists[kAwaitedList].size(), 1u);
}

TEST_F(FinishTest, RefusedOnAwaitedAndWithoutSelection) {
  Start();
  controller.Finish();
  controller.OnTabSelected(kAwaitedList);
  AddWork("x", 0);
  view.selected = 0;
  controller.Finish();
  EXPECT_EQ(view.messages.front(), (Shown{"请先选中一项", "完结"}));
  EXPECT_EQ(view.messages.back(), (Shown{"集数是0就已经完结了?直接删除吧", "完结"}));
  EXPECT_EQ(controller.Store().lists[kAwaitedList].size(), 1u);
}

class DeleteTest : public AppTest {
 protected:
  void StartWithThree() {
    Start();
    AddWork("c", 1);
    AddWork("b", 1);
    AddWork("a", 1);  // rows a, b, c
    view.selected = 1;
  }
};

TEST_F(DeleteTest, AskedByNameThenTheFollowingRowIsSelected) {
  StartWithThree();
  view.answers = {Answer::kYes, Answer::kYes};
  controller.Delete();
  EXPECT_EQ(view.questions, (std::vector<Shown>{{"你确定要删除 b 吗?", "删除"}}));
  ASSERT_EQ(controller.Rows().size(), 2u);
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(Text(1, kColumnName), "c");
  controller.Delete();  // the last row: nothing follows
  EXPECT_EQ(controller.Rows().size(), 1u);
  EXPECT_EQ(view.selected, -1);
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().find("n=b;"), std::string::npos);
  EXPECT_EQ(DataFile().find("n=c;"), std::string::npos);
  EXPECT_TRUE(DataHas("n=a;"));
}

TEST_F(DeleteTest, NoKeepsTheWorkAndItsSelection) {
  StartWithThree();
  controller.Store().dataChanged = false;
  view.answers.push_back(Answer::kNo);
  controller.Delete();
  EXPECT_EQ(controller.Rows().size(), 3u);
  EXPECT_EQ(view.selected, 1);
  EXPECT_FALSE(controller.Store().dataChanged);
  view.selected = -1;
  controller.Delete();
  EXPECT_EQ(view.messages.back(), (Shown{"请先选中一项", "删除"}));
}

}  // namespace
}  // namespace mirevo::testing
