// The recovery file in the life of a session: the snapshots the window's
// timer takes, what each way out does with the file, and the choice at the
// next start when the last run did not end as it should.
#include <gtest/gtest.h>
#include <utime.h>

#include "app_fakes.h"

namespace mirevo::testing {
namespace {

constexpr char kRecoveryPath[] = "data.mvd.unsaved";

class RecoveryTest : public AppTest {
 protected:
  // The window's timer, and the writer given the time to finish.
  void Tick() {
    controller.OnRecoveryTimer();
    controller.GetSession().WaitForRecoveryFile();
  }
  static bool HasRecovery() { return std::filesystem::exists(kRecoveryPath); }
};

TEST_F(RecoveryTest, ATickAfterAChangeWritesWhatTheDataFileWouldGet) {
  Start("T=0;N=1;n=old;", kAnime, 0);
  Tick();
  EXPECT_FALSE(HasRecovery()) << "nothing changed";
  AddWork("new", 1);
  Tick();
  const std::string snapshot = ReadBytes(kRecoveryPath);
  EXPECT_NE(snapshot.find("n=new;"), std::string::npos) << snapshot;
  std::filesystem::remove(kRecoveryPath);
  Tick();
  EXPECT_FALSE(HasRecovery()) << "no change since the last snapshot";
  list.OnColumnHeaderClick(kColumnName);
  list.OnColumnHeaderClick(kColumnName);
  Tick();
  const std::string sorted = ReadBytes(kRecoveryPath);
  EXPECT_LT(sorted.find("n=old;"), sorted.find("n=new;")) << "a sort is a change";
  EXPECT_EQ(DataFile(), "T=0;N=1;n=old;") << "the data file waits for the user";
  EXPECT_EQ(Saved(), sorted);
  EXPECT_FALSE(HasRecovery());
}

// After a snapshot and one more change, every way out: the file goes once
// the changes are saved or given up; it stays while the program runs on, and
// when the data file could not be written it takes the newest change too.
enum class Kept { kNone, kLastTick, kNewest };
struct WayOutCase {
  void (MainController::*way)();
  std::optional<Answer> answer;
  bool dataWritable;
  Kept kept;
};

class RecoveryWayOutTest : public RecoveryTest, public ::testing::WithParamInterface<WayOutCase> {};

TEST_P(RecoveryWayOutTest, KeepsTheFileOnlyWhileChangesAreNeitherSavedNorGivenUp) {
  const WayOutCase& c = GetParam();
  Start();
  AddWork("ticked", 1);
  Tick();
  AddWork("newest", 2);
  if (!c.dataWritable) std::filesystem::create_directory("data.mvd");
  if (c.answer) view.answers.push_back(*c.answer);
  (controller.*c.way)();
  // A timer message still queued behind the end brings nothing back.
  c.kept == Kept::kNone ? Tick() : controller.GetSession().WaitForRecoveryFile();
  const std::string kept = ReadBytes(kRecoveryPath);
  EXPECT_EQ(std::tuple(HasRecovery(), kept.find("n=ticked;") != std::string::npos,
                       kept.find("n=newest;") != std::string::npos),
            std::tuple(c.kept != Kept::kNone, c.kept != Kept::kNone, c.kept == Kept::kNewest));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RecoveryWayOutTest,
    ::testing::Values(
        WayOutCase{&MainController::SaveAndExit, {}, true, Kept::kNone},
        WayOutCase{&MainController::SaveAndExit, {}, false, Kept::kNewest},
        WayOutCase{&MainController::CloseMainWindow, Answer::kYes, true, Kept::kNone},
        WayOutCase{&MainController::CloseMainWindow, Answer::kYes, false, Kept::kNewest},
        WayOutCase{&MainController::CloseMainWindow, Answer::kNo, true, Kept::kNone},
        WayOutCase{&MainController::CloseMainWindow, Answer::kCancel, true, Kept::kLastTick},
        WayOutCase{&MainController::OnEscape, Answer::kNo, true, Kept::kNone},
        WayOutCase{&MainController::OnEscape, Answer::kCancel, true, Kept::kLastTick},
        WayOutCase{&MainController::SaveOnSessionEnd, {}, true, Kept::kNone},
        WayOutCase{&MainController::SaveOnSessionEnd, {}, false, Kept::kNewest}));

// A recovery file at start: the question names when it was written. "是"
// opens its works as a change not saved yet, and the data file, not read, is
// kept aside before it is replaced; "否" opens the data file and keeps the
// recovery file as a dated backup.
TEST_F(RecoveryTest, AtStartTheUserChoosesBetweenTheUnsavedChangesAndTheDataFile) {
  const std::string unsaved = "T=0;N=1;n=saved;T=1;N=2;n=unsaved;";
  const std::string saved = "T=0;N=1;n=saved;";
  for (const bool recover : {true, false}) {
    std::filesystem::remove("data.mvd.20060131-2030.bak");
    view.questions.clear();
    WriteBytes(kRecoveryPath, unsaved);
    utimbuf written{kChinaTuesdayEvening - 3600, kChinaTuesdayEvening - 3600};
    ASSERT_EQ(utime(kRecoveryPath, &written), 0);
    view.answers = {recover ? Answer::kYes : Answer::kNo};
    Start(saved);
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0].second, kAppTitle);
    EXPECT_NE(view.questions[0].first.find("(2006-01-31 19:30)"), std::string::npos);
    EXPECT_EQ(std::tuple(store.lists[kManga].size(), store.dataChanged, view.messages),
              std::tuple(recover ? 1u : 0u, recover, ShownList{}));
    EXPECT_EQ(std::tuple(DataFile(), HasRecovery()), std::tuple(saved, recover));
    EXPECT_EQ(ReadBytes("data.mvd.unsaved.20060131-2030.bak"), recover ? "" : unsaved);

    view.answers = {Answer::kYes};
    controller.CloseMainWindow();
    EXPECT_EQ(view.questions.size(), recover ? 2u : 1u) << "the exit question follows";
    EXPECT_EQ(std::tuple(DataFile().find("n=unsaved;") != std::string::npos, HasRecovery()),
              std::tuple(recover, false));
    EXPECT_EQ(ReadBytes("data.mvd.20060131-2030.bak"), recover ? saved : "");
  }
}

// A recovery file that cannot be written never stops the program; the user
// hears of it once, at the first tick after the failure.
TEST_F(RecoveryTest, AFailedWriteIsToldOnceAndTheProgramGoesOn) {
  Start();
  std::filesystem::create_directories(std::string(kRecoveryPath) + "/inside");
  for (int work = 1; work <= 2; ++work) {
    AddWork("x", work);
    Tick();
  }
  Tick();
  EXPECT_EQ(view.messages, (ShownList{{kRecoveryWriteFailed, kAppTitle}}));
  EXPECT_NE(Saved().find("v=2;"), std::string::npos);
  EXPECT_TRUE(view.ended);
}

}  // namespace
}  // namespace mirevo::testing
