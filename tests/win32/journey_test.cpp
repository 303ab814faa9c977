// Mirevo.exe as a user runs it: a copy of the real program in a folder with
// a one-work data file, driven only through its windows from this process.
// The work is updated and renamed, then the program is killed; the next start
// offers the update back before its window, and "是" brings it. A second copy
// started meanwhile shows only its message and ends having touched no file;
// the first runs on, and "保存并退出" keeps what was done with nothing left to
// recover. The rules behind the texts are the native tests', the other paths
// (mv.ini written at the exit among them) the in-process tests'.
#include <gtest/gtest.h>

#include <optional>

#include "journey_driver.h"
#include "resource.h"
#include "support/temp_folder.h"

namespace mirevo::journey {
namespace {

using mirevo::testing::ReadBytes;

constexpr int kName = 2, kEpisode = 3;

class JourneyTest : public ::testing::Test {
 protected:
  std::string DataFile() const { return folder_.File("data.mvd"); }
  void Launch() { program_.emplace(WindowsPath(MIREVO_EXE_PATH), folder_.path()); }

  // The dialog with that title and control, once it shows.
  HWND Await(std::wstring_view title, int id, DWORD timeoutMs = kWaitMs) const {
    return program_->WaitForWindow(
        [&](HWND w) { return TextOf(w) == title && Control(w, id) != nullptr; }, timeoutMs);
  }
  void AwaitMain() {
    main_ = Await(L"Mirevo", IDC_LIST, kStartWaitMs);
    ASSERT_NE(main_, nullptr) << "the main window did not show up";
    list_ = Control(main_, IDC_LIST);
    ExpectOnlyMainWindow();
  }

  void ExpectOnlyMainWindow() const {
    if (HWND other = program_->WaitForWindow([&](HWND w) { return w != main_; }, 0))
      ADD_FAILURE() << "also shown: " << Gbk(TextOf(other) + L": " + TextsInside(other));
  }

  mirevo::testing::TempFolder folder_;
  std::optional<Program> program_;
  HWND main_ = nullptr, list_ = nullptr;
};

TEST_F(JourneyTest, AnUpdateAndARenameOutliveAKillAndASecondCopyLeavesTheFirstAlone) {
  mirevo::testing::WriteBytes(DataFile(), "T=0;N=1;n=示例动画;v=3;d=2020-01-01 10:00;");
  const std::string recovery = DataFile() + ".unsaved";
  Launch();
  ASSERT_NO_FATAL_FAILURE(AwaitMain());
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendRemote(list_, LVM_SETITEMSTATE, 0, &item, sizeof item);
  Press(main_, IDC_UPDATE);
  ASSERT_TRUE(WaitFor([&] { return Cell(list_, 0, kEpisode) == L"4"; }));

  // Enter on the list edits the work ("编辑").
  ::PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 1);
  ::PostMessageW(list_, WM_KEYUP, VK_RETURN, 0xC0000001);
  HWND edit = Await(L"编辑", IDC_NAME);
  ASSERT_NE(edit, nullptr) << "the record dialog \"编辑\" did not show up";
  Send(Control(edit, IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"新名"));
  Press(edit, IDOK);
  ASSERT_TRUE(WaitFor([&] { return Cell(list_, 0, kName) == L"新名"; })) << Gbk(TextsInside(edit));
  ASSERT_TRUE(WaitFor([&] { return ReadBytes(recovery).find("新名") != std::string::npos; }))
      << "no recovery file with the new name";
  program_->Kill();

  Launch();
  HWND question =
      program_->WaitForWindow([](HWND w) { return Control(w, IDYES) != nullptr; }, kStartWaitMs);
  ASSERT_NE(question, nullptr) << "no question at the start";
  EXPECT_NE(TextsInside(question).find(L"要恢复这些修改吗"), std::wstring::npos);
  Press(question, IDYES);
  ASSERT_NO_FATAL_FAILURE(AwaitMain());
  EXPECT_EQ(Cell(list_, 0, kName) + L"|" + Cell(list_, 0, kEpisode), L"新名|4");

  const std::string data = ReadBytes(DataFile());
  {
    Program second(WindowsPath(MIREVO_EXE_PATH), folder_.path());
    HWND box = second.WaitForWindow([](HWND) { return true; }, kStartWaitMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Mirevo");
    EXPECT_NE(TextsInside(box).find(L"程序已在运行中!"), std::wstring::npos);
    Press(box, IDOK);
    ASSERT_EQ(second.WaitForExit(), 0u);
  }
  EXPECT_EQ(ReadBytes(DataFile()), data);
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "mv.ini"));
  ASSERT_EQ(program_->WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
  ExpectOnlyMainWindow();
  Press(main_, IDC_SAVE_EXIT);
  ASSERT_EQ(program_->WaitForExit(), 0u) << "the program did not end well";
  EXPECT_NE(ReadBytes(DataFile()).find(";n=新名;v=4;"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(recovery));
}

}  // namespace
}  // namespace mirevo::journey
