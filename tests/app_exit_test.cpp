// The three ways out: "保存并退出", a close request and Escape, and what each
// writes; the due summary balloon.
#include <gtest/gtest.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

using ExitTest = AppTest;

TEST_F(ExitTest, SaveAndExitWritesBothFilesWithThePlacement) {
  Start();
  view.widths[kColumnName] = 300;
  list.OnTabSelected(kOva);
  controller.SaveAndExit();
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(DataFile(), "") << "an empty store gives an empty file";
  std::string ini = SettingsFile();
  EXPECT_EQ(ini.rfind("0=0;1=90;2=300;", 0), 0u);
  EXPECT_NE(ini.find("pos[0]=10;pos[1]=20;pos[2]=600;pos[3]=400;"), std::string::npos);
  EXPECT_NE(ini.find("default_type=2;"), std::string::npos);
}

TEST_F(ExitTest, MaximisedWindowKeepsTheStoredPlacementOnEveryWayOut) {
  for (bool close : {false, true}) {
    WriteBytes("mv.ini", "MaxSign=1;pos[0]=7;");
    Start();
    close ? controller.CloseMainWindow() : controller.SaveAndExit();
    EXPECT_NE(SettingsFile().find("pos[0]=7;pos[1]=150;pos[2]=480;pos[3]=355;"), std::string::npos)
        << close;
  }
}

// The close request and Escape ask only after a change; the close request
// writes the settings too, Escape never.
struct LeaveCase {
  bool escape;
  std::optional<Answer> answer;  // none: nothing changed, nothing asked
  bool ends, writesData, writesSettings;
};

// Every change of a work counts, not only adding one.
TEST_F(ExitTest, AnEditMarksTheDataChangedSoLeavingAsks) {
  for (bool escape : {false, true}) {
    WriteBytes("data.mvd", "T=0;N=1;n=old;");
    Start();
    view.selected = 0;
    view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) { form.name = "new"; }));
    commands.Edit();
    view.answers.push_back(Answer::kCancel);
    escape ? controller.OnEscape() : controller.CloseMainWindow();
    EXPECT_EQ(view.questions.size(), escape ? 2u : 1u) << escape;
    store = {};
  }
}

class LeaveTest : public AppTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveTest, WritesWhatTheAnswerAsks) {
  const LeaveCase& c = GetParam();
  WriteBytes("data.mvd", "T=0;N=1;n=old;");
  Start();
  if (c.answer) {
    AddWork("new", 1);
    view.answers.push_back(*c.answer);
  }
  c.escape ? controller.OnEscape() : controller.CloseMainWindow();
  const std::vector<Shown> asked{{"数据似乎被修改过了,要在退出前保存一下吗?", "退出"}};
  EXPECT_EQ(view.questions, c.answer ? asked : std::vector<Shown>{});
  EXPECT_EQ(view.ended, c.ends);
  EXPECT_EQ(DataFile() != "T=0;N=1;n=old;", c.writesData);
  EXPECT_EQ(Exists("mv.ini"), c.writesSettings);
  if (!c.ends) {
    controller.SaveAndExit();
    EXPECT_TRUE(DataHas("n=new;")) << "the work is still there to be saved later";
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, LeaveTest,
                         ::testing::Values(LeaveCase{false, {}, true, false, true},
                                           LeaveCase{false, Answer::kYes, true, true, true},
                                           LeaveCase{false, Answer::kNo, true, false, true},
                                           LeaveCase{false, Answer::kCancel, false, false, false},
                                           LeaveCase{true, {}, true, false, false},
                                           LeaveCase{true, Answer::kYes, true, true, false},
                                           LeaveCase{true, Answer::kNo, true, false, false},
                                           LeaveCase{true, Answer::kCancel, false, false, false}));

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

TEST_F(ExitTest, DueSummaryListsTheChosenSections) {
  WriteBytes("data.mvd",
             "T=1;N=1;n=漫;v=3;d=2006-01-20 10:00;D=2006-01-27 10:00;"
             "T=11;N=2;n=完;v=3;d=2006-01-20 10:00;D=2006-01-27 10:00;"
             "T=25;N=3;n=待;v=0;d=;D=2006-01-31 20:30;");
  WriteBytes("mv.ini", "tipshowtype=1001;");
  Start();
  EXPECT_EQ(list.DueSummaryText(), "===漫画===\n漫     4\n===期待===\n待     1\n");
}

}  // namespace
}  // namespace mirevo::testing
