// The three ways out: "保存并退出", a close request and Escape, and what each
// writes; the due summary balloon.
#include <gtest/gtest.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

constexpr char kSaveQuestion[] = "数据似乎被修改过了,要在退出前保存一下吗?";

class ExitTest : public AppTest {
 protected:
  // A data file on disk and one unsaved work added in this run.
  void StartAndChange() {
    WriteBytes("data.mvd", "T=0;N=1;n=old;");
    Start();
    AddWork("new", 1);
  }
  bool DataFileHasNewWork() { return DataFile().find("n=new;") != std::string::npos; }
};

TEST_F(ExitTest, SaveAndExitWritesBothFilesWithThePlacement) {
  Start();
  view.widths[kColumnName] = 300;
  controller.OnTabSelected(kOva);
  controller.SaveAndExit();
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(DataFile(), "") << "an empty store gives an empty file";
  std::string ini = SettingsFile();
  EXPECT_EQ(ini.rfind("0=0;1=90;2=300;", 0), 0u);
  EXPECT_NE(ini.find("pos[0]=10;pos[1]=20;pos[2]=600;pos[3]=400;"), std::string::npos);
  EXPECT_NE(ini.find("default_type=2;"), std::string::npos);
}

TEST_F(ExitTest, MaximisedWindowKeepsTheStoredPlacement) {
  WriteBytes("mv.ini", "MaxSign=1;");
  Start();
  controller.SaveAndExit();
  EXPECT_NE(SettingsFile().find("pos[0]=250;pos[1]=150;pos[2]=480;pos[3]=355;"), std::string::npos);
}

TEST_F(ExitTest, CloseWithNothingChangedWritesOnlyTheSettings) {
  Start();
  controller.CloseMainWindow();
  EXPECT_TRUE(view.questions.empty());
  EXPECT_TRUE(view.ended);
  EXPECT_FALSE(Exists("data.mvd"));
  EXPECT_TRUE(Exists("mv.ini"));
}

struct CloseCase {
  Answer answer;
  bool ends;
  bool writesData;
  bool writesSettings;
};

TEST_F(ExitTest, CloseAsksWhenChanged) {
  const CloseCase cases[] = {
      {Answer::kYes, true, true, true},
      {Answer::kNo, true, false, true},
      {Answer::kCancel, false, false, false},
  };
  for (const CloseCase& c : cases) {
    TempFolder caseFolder;
    ScopedWorkingFolder inside(caseFolder.path());
    FakeView closeView;
    MainController close(closeView, clock);
    closeView.rows = &close.Rows();
    WriteBytes("data.mvd", "T=0;N=1;n=old;");
    close.LoadSettingsFile();
    close.LoadDataFile();
    close.ShowStartTab();
    closeView.selected = 0;
    closeView.answers.push_back(Answer::kYes);
    close.Delete();  // a change
    closeView.answers.push_back(c.answer);
    close.CloseMainWindow();
    EXPECT_EQ(closeView.questions.back(), (Shown{kSaveQuestion, "退出"}));
    EXPECT_EQ(closeView.ended, c.ends);
    EXPECT_EQ(DataFile() == "", c.writesData);
    EXPECT_EQ(Exists("mv.ini"), c.writesSettings);
  }
}

TEST_F(ExitTest, EscapeWithNothingChangedEndsAtOnceWritingNothing) {
  Start();
  controller.OnEscape();
  EXPECT_TRUE(view.ended);
  EXPECT_TRUE(view.questions.empty());
  EXPECT_FALSE(Exists("data.mvd"));
  EXPECT_FALSE(Exists("mv.ini"));
}

TEST_F(ExitTest, EscapeYesWritesTheDataFileOnly) {
  StartAndChange();
  view.answers.push_back(Answer::kYes);
  controller.OnEscape();
  EXPECT_EQ(view.questions, (std::vector<Shown>{{kSaveQuestion, "退出"}}));
  EXPECT_TRUE(view.ended);
  EXPECT_TRUE(DataFileHasNewWork());
  EXPECT_FALSE(Exists("mv.ini"));
}

TEST_F(ExitTest, EscapeNoEndsWithoutWriting) {
  StartAndChange();
  view.answers.push_back(Answer::kNo);
  controller.OnEscape();
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(DataFile(), "T=0;N=1;n=old;");
  EXPECT_FALSE(Exists("mv.ini"));
}

TEST_F(ExitTest, EscapeCancelKeepsRunning) {
  StartAndChange();
  view.answers.push_back(Answer::kCancel);
  controller.OnEscape();
  EXPECT_FALSE(view.ended);
  EXPECT_EQ(DataFile(), "T=0;N=1;n=old;");
  // The work is still there to be saved later.
  controller.SaveAndExit();
  EXPECT_TRUE(DataFileHasNewWork());
}

TEST_F(ExitTest, AFailedDataWriteKeepsTheProgramRunning) {
  Start();
  AddWork("x", 1);
  std::filesystem::create_directory("data.mvd");  // cannot be replaced by a file
  controller.SaveAndExit();
  EXPECT_EQ(view.messages.back(), (Shown{"写入文件失败", kAppTitle}));
  EXPECT_FALSE(view.ended);
  EXPECT_FALSE(Exists("mv.ini"));
  view.answers.push_back(Answer::kYes);
  controller.CloseMainWindow();
  EXPECT_FALSE(view.ended);
  view.answers.push_back(Answer::kNo);
  controller.CloseMainWindow();
  EXPECT_TRUE(view.ended) << "leaving without saving stays possible";
}

TEST_F(ExitTest, DueSummaryListsTheChosenSectionsAsABalloon) {
  WriteBytes("data.mvd",
             "T=1;N=1;n=漫;v=3;d=2006-01-20 10:00;D=2006-01-27 10:00;"
             "T=11;N=2;n=完;v=3;d=2006-01-20 10:00;D=2006-01-27 10:00;"
             "T=25;N=3;n=待;v=0;d=;D=2006-01-31 20:30;");
  WriteBytes("mv.ini", "tipshowtype=1001;");
  Start();
  controller.ShowDueSummary();
  ASSERT_EQ(view.balloons.size(), 1u);
  EXPECT_EQ(view.balloons[0].caption, "预计需更新列表:");
  EXPECT_EQ(view.balloons[0].text, "===漫画===\n漫     4\n===期待===\n待     1\n");
}

}  // namespace
}  // namespace mirevo::testing
