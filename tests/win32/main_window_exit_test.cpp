// The ways out of the program and what each writes: "保存并退出", the close
// request with each answer, Escape; the program's modal run; one copy only.
#include <optional>

#include "main_window_fixture.h"
#include "ui/shell/program.h"
#include "ui/shell/single_instance.h"

namespace mirevo::ui::testing {
namespace {

// Bytes the program never writes: while they are in the data file, the
// program has not written it.
constexpr char kUntouched[] = "untouched";

class MainWindowExit : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteData(DataBytes(SampleRecords()));
    Open();
  }

  std::string Entry(const std::string& key) const {
    const std::string ini = ReadSettings();
    const std::size_t at = ini.find(key + "=");
    if (at == std::string::npos || (at > 0 && ini[at - 1] != ';')) return "<missing>";
    const std::size_t begin = at + key.size() + 1;
    return ini.substr(begin, ini.find(';', begin) - begin);
  }
};

enum class Way { kSaveAndExit, kClose, kEscape };

struct ExitCase {
  const char* name;
  Way way;
  bool changed;                                // "星之彼方" deleted first
  std::optional<win32::MessageAnswer> answer;  // nullopt: no question expected
  bool dataWritten;
  bool settingsWritten;
  bool ends;
};

class ExitPaths : public MainWindowExit, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitPaths, WriteWhatTheAnswerSays) {
  const ExitCase& c = GetParam();
  std::vector<DataRecord> expected = SampleRecords();
  if (c.changed) {
    fakes_.messages.Script({win32::MessageAnswer::kYes});
    SelectRow(0);
    Press(IDC_DELETE);
    ASSERT_EQ(RowCount(), 2);
    fakes_.messages.shown.clear();
    expected.erase(expected.begin());
  }
  if (c.answer) fakes_.messages.Script({*c.answer});
  WriteData(kUntouched);

  if (c.way == Way::kSaveAndExit) Press(IDC_SAVE_EXIT);
  if (c.way == Way::kClose) ::SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  if (c.way == Way::kEscape) Press(IDCANCEL);

  if (c.answer) {
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "数据似乎被修改过了,要在退出前保存一下吗?");
    EXPECT_EQ(Messages()[0].caption, "退出");
    EXPECT_EQ(Messages()[0].buttons, win32::MessageButtons::kYesNoCancel);
  } else {
    EXPECT_TRUE(Messages().empty());
  }
  // "保存并退出" writes the data even when nothing changed.
  EXPECT_EQ(ReadData(), c.dataWritten ? DataBytes(expected) : kUntouched);
  EXPECT_EQ(SettingsWritten(), c.settingsWritten);
  EXPECT_EQ(!IsOpen(), c.ends);
}

using A = win32::MessageAnswer;
INSTANTIATE_TEST_SUITE_P(
    MainWindowExit, ExitPaths,
    ::testing::Values(ExitCase{"SaveUnchanged", Way::kSaveAndExit, false, {}, true, true, true},
                      ExitCase{"SaveChanged", Way::kSaveAndExit, true, {}, true, true, true},
                      ExitCase{"CloseUnchanged", Way::kClose, false, {}, false, true, true},
                      ExitCase{"CloseYes", Way::kClose, true, A::kYes, true, true, true},
                      ExitCase{"CloseNo", Way::kClose, true, A::kNo, false, true, true},
                      ExitCase{"CloseCancel", Way::kClose, true, A::kCancel, false, false, false},
                      ExitCase{"EscapeUnchanged", Way::kEscape, false, {}, false, false, true},
                      ExitCase{"EscapeYes", Way::kEscape, true, A::kYes, true, false, true},
                      ExitCase{"EscapeNo", Way::kEscape, true, A::kNo, false, false, true},
                      ExitCase{"EscapeCancel", Way::kEscape, true, A::kCancel, false, false,
                               false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowExit, SettingsKeepPlacementWidthsAndTabOrTheMaximisedPlacement) {
  ::MoveWindow(Hwnd(), 130, 70, 510, 370, TRUE);
  ::SendMessageW(List(), LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(150, 0));
  ClickTab(4);
  Press(IDC_SAVE_EXIT);
  ASSERT_FALSE(IsOpen());
  EXPECT_EQ(Entry("pos[0]"), "130");
  EXPECT_EQ(Entry("pos[1]"), "70");
  EXPECT_EQ(Entry("pos[2]"), "510");
  EXPECT_EQ(Entry("pos[3]"), "370");
  EXPECT_EQ(Entry("2"), "150");
  EXPECT_EQ(Entry("0"), "0");
  EXPECT_EQ(Entry("default_type"), "4");

  // A maximised window keeps the placement it was given.
  WriteSettings("pos[0]=111;pos[1]=99;pos[2]=488;pos[3]=366;MaxSign=1;");
  Open();
  ASSERT_TRUE(::IsZoomed(Hwnd()));
  ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(Entry("pos[0]"), "111");
  EXPECT_EQ(Entry("pos[2]"), "488");
  EXPECT_EQ(Entry("MaxSign"), "1");
}

// A name no other test or program uses for its mutex.
std::string MutexName(const char* what) {
  return std::string("mirevo-test-") + what + "-" + std::to_string(::GetCurrentProcessId());
}

TEST_F(MainWindowTest, TheProgramRunsTheWindowModallyUntilItEnds) {
  WriteData(DataBytes(SampleRecords()));
  DialogScript script;
  script.On("Mirevo", [](HWND main) { PostCommand(main, IDC_SAVE_EXIT); });
  EXPECT_EQ(script.Run([&] { return RunProgram(MutexName("run"), fakes_.services); }), 0);
  EXPECT_TRUE(SettingsWritten());
  EXPECT_EQ(ReadData(), DataBytes(SampleRecords()));
}

TEST_F(MainWindowTest, ASecondCopyOnlySaysSoAndTouchesNoFile) {
  const std::string name = MutexName("second");
  WriteData(kUntouched);
  SingleInstance first(name);
  ASSERT_TRUE(first.IsFirst());
  EXPECT_FALSE(SingleInstance(name).IsFirst());
  EXPECT_TRUE(SingleInstance(name + "-other").IsFirst());

  EXPECT_EQ(RunProgram(name, fakes_.services), 0);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "程序已在运行中!");
  EXPECT_EQ(Messages()[0].caption, "");  // the program's name
  EXPECT_EQ(Messages()[0].owner, nullptr);
  EXPECT_EQ(ReadData(), kUntouched);
  EXPECT_FALSE(SettingsWritten());
}

}  // namespace
}  // namespace mirevo::ui::testing
