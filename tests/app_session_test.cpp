// The session: both files read at start (the data file perhaps by a preload
// while the window is made), the recovery file that keeps the
// unsaved changes while the program runs, and the ways out ("保存并退出", a
// close request, Escape and the end of the Windows session) with what each
// writes and keeps.
#include <gtest/gtest.h>
#include <utime.h>

#include "app_fakes.h"
#include "store/data_preload.h"

namespace mirevo::testing {
namespace {

constexpr char kRecoveryPath[] = "data.mvd.unsaved";
constexpr auto kSaveAndExit = &MainController::SaveAndExit;
constexpr auto kClose = &MainController::CloseMainWindow;
constexpr auto kEscape = &MainController::OnEscape;
constexpr auto kSessionEnd = &MainController::SaveOnSessionEnd;

class SessionTest : public AppTest {
 protected:
  // The window's timer, and the writer given the time to finish.
  void Tick() {
    controller.OnRecoveryTimer();
    controller.GetSession().WaitForRecoveryFile();
  }
  static bool HasRecovery() { return std::filesystem::exists(kRecoveryPath); }
};

// The settings are read first (reading stops at the overlong key), over the
// pixel defaults of the screen: on 144 dots per inch they are half as large
// again, and what the file holds stays as it is. They name the start tab and
// the data file, which is read next, and the recovery file beside it.
TEST_F(SessionTest, TheSettingsAreReadFirstOverTheScreensDefaultsAndNameTheTabAndTheDataFile) {
  WriteBytes("mv.ini", "default_type=3;p=.//other.mvd;2=300;pos[0]=7;SearchPostfixXX=1;");
  WriteBytes("other.mvd", "T=3;N=1;X=1;");
  controller.LoadSettings(144);
  controller.LoadDataAndShowStartTab();
  EXPECT_EQ(std::tuple(list.CurrentTab(), view.tabSwitches, list.Rows().size()),
            std::tuple(kDrama, std::vector<int>{kDrama}, 1u));
  EXPECT_EQ(view.messages, (ShownList{{"ini文件内部出错,此时请不要按保存按钮", kAppTitle},
                                      {"文件错误", kAppTitle}}));
  EXPECT_EQ(std::tuple(settings.columnWidths[kColumnName], settings.columnWidths[kColumnEpisode],
                       settings.columnWidths[kColumnId], settings.windowRect),
            std::tuple(300, 54, 0, Rect::At(7, 225, 720, 533)));
  store.MarkChanged();
  Tick();
  EXPECT_TRUE(std::filesystem::exists("other.mvd.unsaved")) << "beside the data file named";
  controller.SaveAndExit();
  EXPECT_FALSE(std::filesystem::exists("data.mvd"));
  EXPECT_TRUE(ReadBytes("other.mvd").starts_with("T=3;N=1;"));
}

// Every way out that writes the settings keeps the window's rectangle,
// unless the window is maximised (the next start maximises the last normal
// one) or minimised.
TEST_F(SessionTest, TheWindowsRectangleIsKeptUnlessMaximisedOrMinimised) {
  const std::string stored = "pos[0]=7;pos[1]=150;pos[2]=480;pos[3]=355;";
  const std::string shown = "pos[0]=10;pos[1]=20;pos[2]=600;pos[3]=400;";
  enum Did { kNothing, kToggled, kRestored };
  for (auto way : {kSaveAndExit, kClose, kSessionEnd}) {
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
      (controller.*way)();
      const std::string ini = ReadBytes("mv.ini");
      EXPECT_NE(ini.find(kept), std::string::npos) << maximised << " " << did;
      EXPECT_NE(ini.find(kept == stored && !minimised ? "MaxSign=1;" : "MaxSign=0;"),
                std::string::npos)
          << ini;
    }
  }
}

// A recovery file at start: the question names when it was written. "是"
// opens its works as a change not saved yet, and the data file, not read, is
// kept aside before it is replaced; "否" opens the data file and keeps the
// recovery file as a dated backup.
TEST_F(SessionTest, AtStartTheUserChoosesBetweenTheUnsavedChangesAndTheDataFile) {
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

    // The exit question follows the recovered changes, as any change.
    view.answers = {Answer::kYes};
    controller.CloseMainWindow();
    EXPECT_EQ(ReadBytes("data.mvd.20060131-2030.bak"), recover ? saved : "");
  }
}

// The timer writes what the data file would get, after a change since the
// last snapshot; a sort is a change too. The data file waits for the user.
TEST_F(SessionTest, ATickAfterAChangeWritesWhatTheDataFileWouldGetAndAFailureIsToldOnce) {
  Start("T=0;N=1;n=old;", kAnime, 0);
  Tick();
  EXPECT_FALSE(HasRecovery()) << "nothing changed";
  AddWork("new", 1);
  Tick();
  EXPECT_TRUE(std::filesystem::remove(kRecoveryPath)) << "written after the change";
  Tick();
  EXPECT_FALSE(HasRecovery()) << "no change since the last snapshot";
  list.OnColumnHeaderClick(kColumnName);
  list.OnColumnHeaderClick(kColumnName);
  Tick();
  const std::string sorted = ReadBytes(kRecoveryPath);
  EXPECT_LT(sorted.find("n=old;"), sorted.find("n=new;")) << "a sort is a change";
  EXPECT_EQ(DataFile(), "T=0;N=1;n=old;");
  EXPECT_EQ(Saved(), sorted);

  // A recovery file that cannot be written never stops the program; the user
  // hears of it once, at the first tick after the failure.
  std::filesystem::create_directories(std::string(kRecoveryPath) + "/inside");
  for (int work = 2; work <= 3; ++work) {
    AddWork("x", work);
    Tick();
  }
  Tick();
  EXPECT_EQ(view.messages, (ShownList{{kRecoveryWriteFailed, kAppTitle}}));
  EXPECT_NE(Saved().find("v=3;"), std::string::npos);
}

// Each way out, after a change or none. A change here is a work added, a
// snapshot of it, then an edit (every change of a work counts, not only
// adding one). The close request and Escape ask only after a change; Escape
// never writes the settings, nor does "保存并退出" when the data file could
// not be written: the program runs on, as it does after "取消". The
// recovery file goes once the changes are saved or given up; it stays while
// the program runs on, and takes the newest change when the data file could
// not be written.
enum class Kept { kNone, kLastTick, kNewest };
struct WayOutCase {
  void (MainController::*way)();
  bool changed;
  std::optional<Answer> answer;  // none: nothing asked
  bool dataWritable;
  bool ends, writesData, writesSettings;
  Kept kept;
};

class WayOutTest : public SessionTest, public ::testing::WithParamInterface<WayOutCase> {};

TEST_P(WayOutTest, EndsWritesAndKeepsWhatTheAnswerAsks) {
  const WayOutCase& c = GetParam();
  Start();
  if (c.changed) {
    AddWork("ticked", 1);
    Tick();
    EditWork([](RecordForm& form) { form.name = "newest"; });
  }
  if (!c.dataWritable) std::filesystem::create_directory("data.mvd");
  if (c.answer) view.answers.push_back(*c.answer);
  (controller.*c.way)();
  // A timer message still queued behind the end brings nothing back.
  c.kept == Kept::kNone ? Tick() : controller.GetSession().WaitForRecoveryFile();
  const std::string kept = ReadBytes(kRecoveryPath);
  EXPECT_EQ(std::tuple(HasRecovery(), kept.find("n=ticked;") != std::string::npos,
                       kept.find("n=newest;") != std::string::npos),
            std::tuple(c.kept != Kept::kNone, c.kept == Kept::kLastTick, c.kept == Kept::kNewest));
  const ShownList asked{{"数据似乎被修改过了,要在退出前保存一下吗?", "退出"}};
  EXPECT_EQ(view.questions, c.answer ? asked : ShownList{});
  // At the end of the Windows session nobody is there to read a message.
  const bool told = !c.dataWritable && c.way != kSessionEnd;
  EXPECT_EQ(view.messages, (told ? ShownList{{"写入文件失败", kAppTitle}} : ShownList{}));
  EXPECT_EQ(std::tuple(view.ended, std::filesystem::is_regular_file("data.mvd"),
                       std::filesystem::exists("mv.ini")),
            std::tuple(c.ends, c.writesData, c.writesSettings));
  if (c.kept == Kept::kLastTick) {
    EXPECT_NE(Saved().find("n=newest;"), std::string::npos) << "still there to be saved later";
  }
}

// way, changed, answer, data file writable: ends, writes data, writes settings,
// recovery kept
const WayOutCase kWaysOut[] = {
    {kSaveAndExit, true, {}, true, true, true, true, Kept::kNone},
    {kSaveAndExit, true, {}, false, false, false, false, Kept::kNewest},
    {kClose, false, {}, true, true, false, true, Kept::kNone},
    {kClose, true, Answer::kYes, true, true, true, true, Kept::kNone},
    {kClose, true, Answer::kYes, false, false, false, false, Kept::kNewest},
    {kClose, true, Answer::kNo, true, true, false, true, Kept::kNone},
    {kClose, true, Answer::kCancel, true, false, false, false, Kept::kLastTick},
    {kEscape, false, {}, true, true, false, false, Kept::kNone},
    {kEscape, true, Answer::kYes, true, true, true, false, Kept::kNone},
    {kEscape, true, Answer::kNo, true, true, false, false, Kept::kNone},
    {kEscape, true, Answer::kCancel, true, false, false, false, Kept::kLastTick},
    {kSessionEnd, true, {}, true, false, true, true, Kept::kNone},
    {kSessionEnd, true, {}, false, false, false, true, Kept::kNewest},
};
INSTANTIATE_TEST_SUITE_P(Ways, WayOutTest, ::testing::ValuesIn(kWaysOut));

// ---- The data file read while the window is made ----

// The preload reads the two files' bytes from others (it only reads): which
// works the start shows tells whose reading it took.
class ElsewhereFiles final : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    const std::string elsewhere = path == ".//data.mvd"   ? "preloaded.mvd"
                                  : path == kSettingsPath ? "preloaded.ini"
                                                          : path;
    return NativeFileSystem().OpenForReading(elsewhere, missing);
  }
  std::FILE* CreateExclusively(const std::string&) override { return nullptr; }
  bool FlushToDisk(std::FILE*) override { return false; }
  bool ReplaceWith(const std::string&, const std::string&) override { return false; }
  bool Remove(const std::string&) override { return false; }
  bool Exists(const std::string&) override { return false; }
};

// Its works, its messages (once) and its damage, which keeps the file's
// bytes before the first save. When the settings name another data file
// than the preload found (the settings file changed in between), the start
// reads that one itself.
TEST_F(SessionTest, TheStartTakesWhatThePreloadReadOfItsDataFile) {
  ElsewhereFiles files;
  WriteBytes("data.mvd", "T=0;N=1;n=read at the start;");
  WriteBytes("preloaded.mvd", "T=0;N=1;n=preloaded;N=");
  for (const char* shown : {"preloaded", "other"}) {
    DataPreload preload(clock, files);
    controller.GetSession().UsePreload(preload);
    Start({}, kAnime);
    EXPECT_EQ(Text(0, kColumnName), shown);
    Saved();
    WriteBytes("preloaded.ini", "");
    WriteBytes("mv.ini", "p=.//other.mvd;");
    WriteBytes("other.mvd", "T=0;N=1;n=other;");
  }
  EXPECT_EQ(view.messages, (ShownList{{"mvd文件内部出错,此时请不要按保存按钮", kAppTitle}}));
  EXPECT_EQ(folder.FileNames(),
            (std::vector<std::string>{"data.mvd", "data.mvd.20060131-2030.bak", "mv.ini",
                                      "other.mvd", "preloaded.ini", "preloaded.mvd"}));
}

}  // namespace
}  // namespace mirevo::testing
