// Two real copies of Mirevo.exe started one after the other in the same
// folder: the second only says that the program runs and ends, touching no
// file; the first keeps running and still saves; after it a new start works.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace mirevo::ui::testing {
namespace {

// A window's text, asked of the window itself (it belongs to another
// process).
std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, &ignored);
  return buffer;
}

class Process {
 public:
  explicit Process(const std::filesystem::path& folder) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    // build/windows/tests/win32/<test>.exe -> build/windows/Mirevo.exe
    const std::wstring program =
        (std::filesystem::path(self).parent_path().parent_path().parent_path() / L"Mirevo.exe")
            .wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + program + L"\"";
    started_ = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                nullptr, folder.wstring().c_str(), &startup, &info_) != FALSE;
  }
  ~Process() {
    if (!started_) return;
    if (Running()) ::TerminateProcess(info_.hProcess, 1);  // a failed test must not leave it
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
  }

  bool started() const { return started_; }
  bool Running() const { return ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  // Waits are bounded so that a copy that never shows up fails the test
  // instead of hanging it; no time is asserted.
  bool WaitForExit() const { return ::WaitForSingleObject(info_.hProcess, 30000) == WAIT_OBJECT_0; }

  // The process's visible dialog window (its main window or a message box).
  HWND WaitForDialog() const {
    struct Search {
      DWORD pid;
      HWND found;
    } search{info_.dwProcessId, nullptr};
    for (int poll = 0; poll < 600 && search.found == nullptr && Running(); ++poll) {
      ::Sleep(50);
      ::EnumWindows(
          [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(window, &pid);
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (pid != s.pid || std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) {
              return TRUE;
            }
            s.found = window;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

TEST(MainWindowProcessTest, ASecondCopyShowsOnlyItsMessageAndTheFirstRunsOn) {
  mirevo::testing::TempFolder folder;
  const std::string data = DataBytes(SampleRecords());
  mirevo::testing::WriteBytes(folder.File("data.mvd"), data);

  Process first(folder.path());
  ASSERT_TRUE(first.started()) << "build the Mirevo target first";
  HWND main = first.WaitForDialog();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(TextOf(main), L"Mirevo");

  {
    Process second(folder.path());
    ASSERT_TRUE(second.started());
    HWND box = second.WaitForDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Mirevo");
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      texts.push_back(TextOf(child));
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), win32::WideFromGbk("程序已在运行中!")),
              texts.end());
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(second.WaitForExit());
  }
  EXPECT_EQ(mirevo::testing::ReadBytes(folder.File("data.mvd")), data);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "mv.ini"));

  // The first copy was not disturbed: it still saves and ends.
  ASSERT_TRUE(first.Running());
  ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_SAVE_EXIT, BN_CLICKED), 0);
  ASSERT_TRUE(first.WaitForExit());
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "mv.ini"));
  // Rewritten by that copy's own clock: the five works are all still there.
  const std::string saved = mirevo::testing::ReadBytes(folder.File("data.mvd"));
  for (const DataRecord& record : SampleRecords()) {
    EXPECT_NE(saved.find(";n=" + record.name + ";"), std::string::npos) << record.id;
  }

  // With the first copy gone, the program starts again.
  Process again(folder.path());
  HWND reopened = again.WaitForDialog();
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(TextOf(reopened), L"Mirevo");
  ::PostMessageW(reopened, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_TRUE(again.WaitForExit());
}

}  // namespace
}  // namespace mirevo::ui::testing
