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

  // Deletes "星之彼方", which marks the data as changed.
  void Change() {
    fakes_.messages.Script({win32::MessageAnswer::kYes});
    SelectRow(0);
    Press(IDC_DELETE);
    ASSERT_EQ(RowCount(), 2);
    fakes_.messages.shown.clear();
  }

  bool DataWritten() const { return ReadData() != kUntouched; }

  std::string Entry(const std::string& key) const {
    const std::string ini = ReadSettings();
    const std::size_t at = ini.find(key + "=");
    if (at == std::string::npos || (at > 0 && ini[at - 1] != ';')) return "<missing>";
    const std::size_t begin = at + key.size() + 1;
    return ini.substr(begin, ini.find(';', begin) - begin);
  }
};

TEST_F(MainWindowExit, SaveAndExitWritesTheDataAsLoadedAndTheSettings) {
  ::MoveWindow(Hwnd(), 130, 70, 510, 370, TRUE);
  ::SendMessageW(List(), LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(150, 0));
  ClickTab(4);
  Press(IDC_SAVE_EXIT);
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(Shown().empty());
  // Nothing changed, and the data file is written all the same, unchanged.
  EXPECT_EQ(ReadData(), DataBytes(SampleRecords()));
  EXPECT_EQ(Entry("pos[0]"), "130");
  EXPECT_EQ(Entry("pos[1]"), "70");
  EXPECT_EQ(Entry("pos[2]"), "510");
  EXPECT_EQ(Entry("pos[3]"), "370");
  EXPECT_EQ(Entry("2"), "150");
  EXPECT_EQ(Entry("0"), "0");
  EXPECT_EQ(Entry("default_type"), "4");
}

TEST_F(MainWindowExit, SaveAndExitWritesTheChanges) {
  Change();
  Press(IDC_SAVE_EXIT);
  EXPECT_FALSE(IsOpen());
  std::vector<DataRecord> expected = SampleRecords();
  expected.erase(expected.begin());
  EXPECT_EQ(ReadData(), DataBytes(expected));
}

struct ExitCase {
  const char* name;
  bool escape;  // Escape, else the close request
  bool changed;
  std::optional<win32::MessageAnswer> answer;  // nullopt: no question expected
  bool dataWritten;
  bool settingsWritten;
  bool ends;
};

class ExitPaths : public MainWindowExit, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitPaths, WriteWhatTheAnswerSays) {
  const ExitCase& c = GetParam();
  if (c.changed) Change();
  if (c.answer) fakes_.messages.Script({*c.answer});
  WriteData(kUntouched);

  if (c.escape) {
    Key(IDCANCEL);
  } else {
    ::SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }

  if (c.answer) {
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "数据似乎被修改过了,要在退出前保存一下吗?");
    EXPECT_EQ(Shown()[0].caption, "退出");
    EXPECT_EQ(Shown()[0].buttons, win32::MessageButtons::kYesNoCancel);
  } else {
    EXPECT_TRUE(Shown().empty());
  }
  EXPECT_EQ(DataWritten(), c.dataWritten);
  if (c.dataWritten) EXPECT_EQ(ReadData().find("星之彼方"), std::string::npos);
  EXPECT_EQ(SettingsWritten(), c.settingsWritten);
  EXPECT_EQ(!IsOpen(), c.ends);
}

using A = win32::MessageAnswer;
INSTANTIATE_TEST_SUITE_P(
    MainWindowExit, ExitPaths,
    ::testing::Values(ExitCase{"CloseUnchanged", false, false, std::nullopt, false, true, true},
                      ExitCase{"CloseYes", false, true, A::kYes, true, true, true},
                      ExitCase{"CloseNo", false, true, A::kNo, false, true, true},
                      ExitCase{"CloseCancel", false, true, A::kCancel, false, false, false},
                      ExitCase{"EscapeUnchanged", true, false, std::nullopt, false, false, true},
                      ExitCase{"EscapeYes", true, true, A::kYes, true, false, true},
                      ExitCase{"EscapeNo", true, true, A::kNo, false, false, true},
                      ExitCase{"EscapeCancel", true, true, A::kCancel, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowExit, TheCloseBoxMessageIsTheCloseRequestNotEscape) {
  Change();
  fakes_.messages.Script({win32::MessageAnswer::kNo});
  ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsOpen());
  // Only the close request writes the settings.
  EXPECT_TRUE(SettingsWritten());
}

TEST_F(MainWindowExit, AMaximisedWindowKeepsTheStoredPlacement) {
  window_.reset();
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
  ModalDriver driver(nullptr);
  // The window itself is the dialog found: press "保存并退出" in it.
  driver.OnDialog([](HWND main) { PressInDialog(main, IDC_SAVE_EXIT); });
  EXPECT_EQ(RunProgram(MutexName("run"), fakes_.services), 0);
  EXPECT_TRUE(driver.Done());
  ASSERT_EQ(driver.titles.size(), 1u);
  EXPECT_EQ(driver.titles[0], L"Mirevo");
  EXPECT_TRUE(SettingsWritten());
  EXPECT_EQ(ReadData(), DataBytes(SampleRecords()));
}

TEST_F(MainWindowTest, ASecondCopyOnlySaysSoAndTouchesNoFile) {
  const std::string name = MutexName("second");
  WriteData(kUntouched);
  SingleInstance first(name);
  ASSERT_TRUE(first.IsFirst());

  EXPECT_EQ(RunProgram(name, fakes_.services), 0);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "程序已在运行中!");
  EXPECT_EQ(Shown()[0].caption, "");  // the program's name
  EXPECT_EQ(Shown()[0].owner, nullptr);
  EXPECT_EQ(ReadData(), kUntouched);
  EXPECT_FALSE(SettingsWritten());
}

TEST(SingleInstanceTest, OnlyTheFirstHolderOfTheNameIsFirstUntilItIsGone) {
  const std::string name = MutexName("lock");
  {
    SingleInstance first(name);
    EXPECT_TRUE(first.IsFirst());
    SingleInstance second(name);
    EXPECT_FALSE(second.IsFirst());
    SingleInstance other(name + "-other");
    EXPECT_TRUE(other.IsFirst());
  }
  // Starting again after the first copy has ended works.
  SingleInstance again(name);
  EXPECT_TRUE(again.IsFirst());
}

}  // namespace
}  // namespace mirevo::ui::testing
