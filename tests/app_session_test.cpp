// The session: both files read at start, and the three ways out ("保存并退出",
// a close request and Escape) with what each writes.
#include <gtest/gtest.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

using StartTest = AppTest;

TEST_F(StartTest, TheSettingsNameTheTabAndTheDataFileAndAreReadFirst) {
  WriteBytes("mv.ini", "default_type=3;p=.//other.mvd;SearchPostfixXX=1;");
  WriteBytes("other.mvd", "T=3;N=1;X=1;");
  Start();
  EXPECT_EQ(std::tuple(list.CurrentTab(), view.tabSwitches, list.Rows().size()),
            std::tuple(kDrama, std::vector<int>{kDrama}, 1u));
  // Settings first (reading stops at the overlong key), then the data file.
  EXPECT_EQ(view.messages, (ShownList{{"ini文件内部出错,此时请不要按保存按钮", kAppTitle},
                                      {"文件错误", kAppTitle}}));
  controller.SaveAndExit();
  EXPECT_FALSE(std::filesystem::exists("data.mvd"));
  EXPECT_TRUE(ReadBytes("other.mvd").starts_with("T=3;N=1;"));
}

// On a screen of 144 dots per inch the pixel defaults are half as large
// again; what the file holds stays as it is.
TEST_F(StartTest, PixelDefaultsFollowTheScreenAndTheFileWins) {
  WriteBytes("mv.ini", "2=300;pos[0]=7;");
  controller.LoadSettings(144);
  const AppSettings& loaded = controller.GetSession().Settings();
  EXPECT_EQ(std::tuple(loaded.columnWidths[kColumnName], loaded.columnWidths[kColumnEpisode],
                       loaded.columnWidths[kColumnId]),
            std::tuple(300, 54, 0));
  EXPECT_EQ(loaded.windowRect, Rect::At(7, 225, 720, 533));
}

using ExitTest = AppTest;

// Every way out keeps the window's rectangle, unless the window is
// maximised (the next start maximises the last normal one) or minimised.
TEST_F(ExitTest, TheWindowsRectangleIsKeptUnlessMaximisedOrMinimised) {
  const std::string stored = "pos[0]=7;pos[1]=150;pos[2]=480;pos[3]=355;";
  const std::string shown = "pos[0]=10;pos[1]=20;pos[2]=600;pos[3]=400;";
  enum Did { kNothing, kToggled, kRestored };
  for (bool close : {false, true}) {
    // "MaxSign" read, what the user did, whether minimised: what the file keeps
    for (const auto& [maximised, did, minimised, kept] : {std::tuple{1, kNothing, false, stored},
                                                          {0, kToggled, false, stored},
                                                          {1, kRestored, false, shown},
                                                          {0, kNothing, true, stored},
                                                          {0, kNothing, false, shown}}) {
      WriteBytes("mv.ini", "MaxSign=" + std::to_string(maximised) + ";pos[0]=7;");
      Start();
      if (did == kToggled) controller.GetSession().ToggleMaximised();
      if (did == kRestored) controller.GetSession().SetMaximised(false);
      view.rect = minimised ? std::nullopt : std::optional(Rect{10, 20, 610, 420});
      close ? controller.CloseMainWindow() : controller.SaveAndExit();
      const std::string ini = ReadBytes("mv.ini");
      EXPECT_NE(ini.find(kept), std::string::npos) << close << " " << maximised << " " << did;
      EXPECT_NE(ini.find(kept == stored && !minimised ? "MaxSign=1;" : "MaxSign=0;"),
                std::string::npos)
          << ini;
    }
  }
}

// The close request and Escape ask only after a change (here an edit: every
// change of a work counts, not only adding one); the close request writes the
// settings too, Escape never.
struct LeaveCase {
  bool escape;
  std::optional<Answer> answer;  // none: nothing changed, nothing asked
  bool ends, writesData, writesSettings;
};

class LeaveTest : public AppTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveTest, WritesWhatTheAnswerAsks) {
  const LeaveCase& c = GetParam();
  Start("T=0;N=1;n=old;", kAnime, 0);
  if (c.answer) {
    view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) { form.name = "new"; }));
    commands.Edit();
    view.answers.push_back(*c.answer);
  }
  c.escape ? controller.OnEscape() : controller.CloseMainWindow();
  const ShownList asked{{"数据似乎被修改过了,要在退出前保存一下吗?", "退出"}};
  EXPECT_EQ(view.questions, c.answer ? asked : ShownList{});
  EXPECT_EQ(
      std::tuple(view.ended, DataFile() != "T=0;N=1;n=old;", std::filesystem::exists("mv.ini")),
      std::tuple(c.ends, c.writesData, c.writesSettings));
  if (!c.ends) {
    EXPECT_NE(Saved().find("n=new;"), std::string::npos) << "still there to be saved later";
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, LeaveTest,
                         ::testing::Values(LeaveCase{false, {}, true, false, true},
                                           LeaveCase{false, Answer::kYes, true, true, true},
                                           LeaveCase{false, Answer::kNo, true, false, true},
                                           LeaveCase{false, Answer::kCancel, false, false, false},
                                           LeaveCase{true, {}, true, false, false},
                                           LeaveCase{true, Answer::kYes, true, true, false},
                                           LeaveCase{true, Answer::kCancel, false, false, false}));

TEST_F(ExitTest, AFailedDataWriteKeepsTheProgramRunning) {
  Start();
  AddWork("x", 1);
  std::filesystem::create_directory("data.mvd");  // cannot be replaced by a file
  controller.SaveAndExit();
  EXPECT_EQ(view.messages.back(), (Shown{"写入文件失败", kAppTitle}));
  EXPECT_FALSE(view.ended || std::filesystem::exists("mv.ini"));
  view.answers = {Answer::kYes, Answer::kNo};
  controller.CloseMainWindow();
  EXPECT_FALSE(view.ended);
  controller.CloseMainWindow();
  EXPECT_TRUE(view.ended) << "leaving without saving stays possible";
}

}  // namespace
}  // namespace mirevo::testing
