// What the controls' tests share: the four services as recording fakes,
// the program assembled in a temporary working folder, the test pictures,
// and a small player of the modal dialogs and menus the code opens.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "resource.h"
#include "store/clock.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"
#include "ui/shell/program.h"
#include "ui/win32/control_text.h"
#include "ui/win32/module.h"
#include "ui/win32/ui_services.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui::testing {

// --- services ----------------------------------------------------------------

class FakeMessages final : public win32::MessageBoxService {
 public:
  win32::MessageAnswer Show(HWND, std::string_view text, std::string_view, win32::MessageButtons,
                            win32::MessageIcon) override {
    shown.emplace_back(text);
    return win32::MessageAnswer::kYes;
  }
  std::vector<std::string> shown;
};

class FakeShell final : public win32::ShellOpenService {
 public:
  bool Open(HWND, std::string_view address) override {
    opened.emplace_back(address);
    return true;
  }
  bool OpenLink(HWND, std::string_view target) override {
    links.emplace_back(target);
    return linkSucceeds;
  }
  std::vector<std::string> opened;
  std::vector<std::string> links;
  bool linkSucceeds = true;
};

class FakeNotifyIcon final : public win32::NotifyIconService {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    calls.push_back({message, data.uFlags});
    return true;
  }
  struct Call {
    DWORD message;
    UINT flags;
  };
  std::vector<Call> calls;
};

class FakeColours final : public win32::ColourChooserService {
 public:
  std::optional<COLORREF> Choose(HWND, COLORREF) override { return answer; }
  std::optional<COLORREF> answer;
};

struct FakeServices {
  FakeMessages messages;
  FakeShell shell;
  FakeNotifyIcon notifyIcon;
  FakeColours colours;
  win32::UiServices services{messages, shell, notifyIcon, colours};
};

// --- pictures ------------------------------------------------------------------

// The pictures tools/make_test_pictures.sh made, copied beside the test
// program: name, width, height.
struct TestPicture {
  const char* name;
  int width;
  int height;
};
inline constexpr TestPicture kTestPictures[] = {
    {"picture.bmp", 40, 30}, {"picture.jpg", 64, 48}, {"picture.gif", 50, 25}};
// The placeholder resource's size.
inline constexpr SIZE kPlaceholderSize{132, 99};

// A file of the data folder beside the test program, as a GBK path.
inline std::string DataFile(const char* name) {
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::filesystem::path path = std::filesystem::path(module).parent_path() / "data" / name;
  return win32::GbkFromWide(path.wstring()).value_or("");
}

// --- the program ------------------------------------------------------------------

// A work of the data file, with the fields the controls care about.
struct Work {
  int list = 0;
  std::string name;
  std::string picture;
};

inline std::string DataBytes(const std::vector<Work>& works) {
  std::string out;
  int id = 0;
  for (const Work& w : works) {
    out += "T=" + std::to_string(w.list) + ";N=" + std::to_string(++id) +
           ";w=1;t=20:00;n=" + w.name + ";v=3;s=1;d=2026-03-08 20:00;m=;p=" + w.picture +
           ";D=2026-03-15 20:00;k=;W=;c=0;";
  }
  return out;
}

// Wednesday 2026-03-11 12:00 in China.
inline constexpr std::time_t kNow = 1773201600;

// The assembled program on hidden windows, in a working folder of its own.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool initialised = win32::InitCommonControlsForApp();
    (void)initialised;
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    previousFolder_ = previous;
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.path().wstring().c_str()));
  }

  void TearDown() override {
    program_.reset();
    ::SetCurrentDirectoryW(previousFolder_.c_str());
  }

  void WriteData(const std::vector<Work>& works) {
    mirevo::testing::WriteBytes(folder_.File("data.mvd"), DataBytes(works));
  }
  void WriteSettings(const std::string& bytes) {
    mirevo::testing::WriteBytes(folder_.File("mv.ini"), bytes);
  }

  void Open() {
    program_ = std::make_unique<Program>(fakes_.services, clock_);
    ASSERT_TRUE(program_->Window().CreateModeless(nullptr));
  }

  HWND Main() const { return program_->Window().Hwnd(); }
  HWND List() const { return ::GetDlgItem(Main(), IDC_LIST); }

  void SelectRow(int row) { program_->Window().Screen().SelectRow(row); }
  // A left click on a row as the list reports it: the row is selected first.
  void ClickRow(int row) {
    SelectRow(row);
    Notify(NM_CLICK, row);
  }
  void Notify(UINT code, int row) {
    NMITEMACTIVATE notify{};
    notify.hdr.hwndFrom = List();
    notify.hdr.idFrom = IDC_LIST;
    notify.hdr.code = code;
    notify.iItem = row;
    ::SendMessageW(Main(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&notify));
  }
  int RowCount() const { return static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }

  mirevo::testing::ScopedTimeZone zone_{mirevo::testing::kChinaZone};
  mirevo::testing::TempFolder folder_;
  std::wstring previousFolder_;
  FakeServices fakes_;
  FixedClock clock_{kNow};
  std::unique_ptr<Program> program_;
};

// Runs the messages waiting for this thread (posted clicks, results).
inline void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// --- modal dialogs and menus -----------------------------------------------------

inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kMenuClass[] = L"#32768";

// The first visible window of this thread with that class (and title, when
// one is given), nullptr when none.
inline HWND FindShown(const wchar_t* className, const std::wstring& title = {}) {
  struct Search {
    const wchar_t* className;
    const std::wstring& title;
    HWND found = nullptr;
  } search{className, title};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        wchar_t name[16] = {};
        ::GetClassNameW(hwnd, name, 16);
        if (std::wstring_view(name) != s.className || !::IsWindowVisible(hwnd)) return TRUE;
        if (!s.title.empty() && win32::ReadWideText(hwnd) != s.title) return TRUE;
        s.found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Plays the user inside the modal loops that open() runs: each step waits
// for its window (a dialog with a title, or the menu) and acts on it. A
// script that stalls fails the test and cancels what is open, so a broken
// control cannot hang the run.
class ModalScript {
 public:
  using Action = std::function<void(HWND)>;

  ModalScript& OnDialog(std::string_view gbkTitle, Action action) {
    steps_.push_back({kDialogClass, win32::WideFromGbk(gbkTitle), std::move(action)});
    return *this;
  }
  ModalScript& OnMenu(Action action) {
    steps_.push_back({kMenuClass, {}, std::move(action)});
    return *this;
  }

  template <typename Open>
  void Run(Open open) {
    active_ = this;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 15, &ModalScript::Tick);
    open();
    ::KillTimer(nullptr, timer);
    active_ = nullptr;
    EXPECT_EQ(next_, steps_.size()) << "the script stalled at step " << next_;
  }

 private:
  struct Step {
    const wchar_t* className;
    std::wstring title;
    Action action;
  };

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ != nullptr) active_->Advance();
  }

  void Advance() {
    if (next_ < steps_.size()) {
      const Step& step = steps_[next_];
      if (HWND window = FindShown(step.className, step.title)) {
        ++next_;
        idle_ = 0;
        step.action(window);
        return;
      }
    }
    if (++idle_ < 300) return;
    ADD_FAILURE() << "nothing to do at step " << next_ << " of " << steps_.size();
    next_ = steps_.size();
    idle_ = 0;
    if (FindShown(kMenuClass) != nullptr) ::EndMenu();
    if (HWND dialog = FindShown(kDialogClass))
      ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }

  static inline ModalScript* active_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int idle_ = 0;
};

inline void PostKey(HWND window, UINT key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 0);
}

inline void PostCommand(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// A control with that id anywhere below parent (inside child dialogs too).
inline HWND FindDescendant(HWND parent, int id) {
  std::pair<int, HWND> search{id, nullptr};
  ::EnumChildWindows(
      parent,
      [](HWND child, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<std::pair<int, HWND>*>(param);
        if (::GetDlgCtrlID(child) != s.first) return TRUE;
        s.second = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// The push buttons among a window's own children.
inline std::vector<HWND> PushButtons(HWND parent) {
  std::vector<HWND> buttons;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    ::GetClassNameW(child, name, 16);
    if (_wcsicmp(name, L"Button") != 0) continue;
    const auto type = static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE)) & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW)
      buttons.push_back(child);
  }
  return buttons;
}

// OLE for the whole test program, as the program has it for its run.
class OleEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override { ::OleInitialize(nullptr); }
  void TearDown() override { ::OleUninitialize(); }
};
inline ::testing::Environment* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace mirevo::ui::testing
