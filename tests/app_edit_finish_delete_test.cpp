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
    commands.Edit();
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
  list.OnTabSelected(kAwaitedList);
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
  commands.Finish();
  ASSERT_EQ(list.CurrentTab(), kFinishedList);
  EditWith([](RecordForm& form) { form.nextTime = "2006-03-01 00:00"; });
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  EXPECT_EQ(FlagsInFile(), "0;") << "the finished tab clears every flag";
}

TEST_F(EditTest, NoSelectionOrCancelChangesNothing) {
  StartWithOneWork();
  view.selected = -1;
  commands.OnListDoubleClick();
  EXPECT_TRUE(view.messages.empty()) << "a double click on nothing does nothing";
  commands.Edit();  // the Enter key
  EXPECT_EQ(view.messages, (std::vector<Shown>{{"请先选中一项", "编辑"}}));
  view.selected = 0;
  view.recordDialogs.push_back(FakeView::Cancelled());
  commands.OnListDoubleClick();
  EXPECT_EQ(view.openedForms.size(), 1u);
  EXPECT_FALSE(store.dataChanged);
}

using FinishTest = EditTest;

TEST_F(FinishTest, ToFinishedAndBackByTheTypeText) {
  StartWithOneWork();
  commands.Finish();
  EXPECT_EQ(list.CurrentTab(), kFinishedList);
  EXPECT_EQ(view.tabSwitches.back(), kFinishedList);
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(0, kColumnNextTime), "") << "finished works have no next time";
  EXPECT_TRUE(store.lists[kAnime].empty());

  commands.Finish();
  EXPECT_EQ(list.CurrentTab(), kAnime);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(0, kColumnNextTime), "2006-02-06 21:00") << "filled again from the update";
  commands.Finish();
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().substr(0, 10), "T=10;N=5;w");
}

TEST_F(FinishTest, AFinishedWorkShownAsUnknownGoesBackToAwaited) {
  Start();
  SeriesRecord& record = store.lists[kFinishedList].InsertNewRecord();
  record.id = 9;
  record.category = kCategoryNotChosen;
  list.OnTabSelected(kFinishedList);
  ASSERT_EQ(Text(0, kColumnCategory), "不明");
  view.selected = 0;
  commands.Finish();
  EXPECT_EQ(list.CurrentTab(), kAwaitedList);
  EXPECT_EQ(store.lists[kAwaitedList].size(), 1u);
}

TEST_F(FinishTest, RefusedOnAwaitedAndWithoutSelection) {
  Start();
  commands.Finish();
  list.OnTabSelected(kAwaitedList);
  AddWork("x", 0);
  view.selected = 0;
  commands.Finish();
  EXPECT_EQ(view.messages.front(), (Shown{"请先选中一项", "完结"}));
  EXPECT_EQ(view.messages.back(), (Shown{"集数是0就已经完结了?直接删除吧", "完结"}));
  EXPECT_EQ(store.lists[kAwaitedList].size(), 1u);
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
  commands.Delete();
  EXPECT_EQ(view.questions, (std::vector<Shown>{{"你确定要删除 b 吗?", "删除"}}));
  ASSERT_EQ(list.Rows().size(), 2u);
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(Text(1, kColumnName), "c");
  commands.Delete();  // the last row: nothing follows
  EXPECT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(view.selected, -1);
  controller.SaveAndExit();
  EXPECT_EQ(DataFile().find("n=b;"), std::string::npos);
  EXPECT_EQ(DataFile().find("n=c;"), std::string::npos);
  EXPECT_TRUE(DataHas("n=a;"));
}

// A hand-edited file can hold two works with one id: each command acts on
// the work of the row, not on the first work with its id.
TEST_F(DeleteTest, TwoWorksWithOneIdAreToldApartByTheirRows) {
  WriteBytes("data.mvd", "T=0;N=7;n=first;v=1;T=0;N=7;n=second;v=1;");
  Start();
  view.selected = 1;
  commands.Update();
  EXPECT_EQ(Text(1, kColumnEpisode), "2");
  EXPECT_EQ(Text(0, kColumnEpisode), "1");
  view.answers.push_back(Answer::kYes);
  commands.Delete();
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(Text(0, kColumnName), "first");
}

TEST_F(DeleteTest, NoKeepsTheWorkAndItsSelection) {
  StartWithThree();
  store.dataChanged = false;
  view.answers.push_back(Answer::kNo);
  commands.Delete();
  EXPECT_EQ(list.Rows().size(), 3u);
  EXPECT_EQ(view.selected, 1);
  EXPECT_FALSE(store.dataChanged);
  view.selected = -1;
  commands.Delete();
  EXPECT_EQ(view.messages.back(), (Shown{"请先选中一项", "删除"}));
}

}  // namespace
}  // namespace mirevo::testing
