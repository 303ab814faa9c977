// What the controls' tests share: the four services as recording fakes,
// the program assembled in a temporary working folder, the test pictures,
// a bitmap to draw into, and a player of the modal dialogs and menus.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <filesystem>
#include <functional>
#include <map>
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
#include "ui/win32/wide_text.h"

namespace mirevo::ui::testing {

struct FakeServices final : win32::MessageBoxService,
                            win32::ShellOpenService,
                            win32::NotifyIconService,
                            win32::ColourChooserService {
  win32::MessageAnswer Show(HWND, std::string_view, std::string_view, win32::MessageButtons,
                            win32::MessageIcon) override {
    return win32::MessageAnswer::kYes;
  }
  bool Open(HWND, std::string_view address) override {
    opened.emplace_back(address);
    return true;
  }
  bool OpenLink(HWND, std::string_view target) override {
    links.emplace_back(target);
    return linkSucceeds;
  }
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    notified.emplace_back(message, data.uFlags);
    return true;
  }
  std::optional<COLORREF> Choose(HWND, COLORREF) override { return chosenColour; }

  std::vector<std::string> opened, links;
  bool linkSucceeds = true;
  std::vector<std::pair<DWORD, UINT>> notified;  // message, flags
  std::optional<COLORREF> chosenColour;
  win32::UiServices services{*this, *this, *this, *this};
};

// The pictures of tools/make_test_pictures.sh, beside the test program.
struct TestPicture {
  const char* name;
  int width, height;
};
inline constexpr TestPicture kTestPictures[] = {
    {"picture.bmp", 40, 30}, {"picture.jpg", 64, 48}, {"picture.gif", 50, 25}};
inline constexpr SIZE kPlaceholderSize{132, 99};

inline std::string DataFile(const char* name) {
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  const auto path = std::filesystem::path(module).parent_path() / "data" / name;
  return win32::GbkFromWide(path.wstring()).value_or("");
}

// A bitmap to draw into, the way a window would be drawn.
class Canvas {
 public:
  Canvas(int width, int height) {
    HDC screen = ::GetDC(nullptr);
    dc_ = ::CreateCompatibleDC(screen);
    bitmap_ = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    previous_ = ::SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

// Wednesday 2026-03-11 12:00 in China.
inline constexpr std::time_t kNow = 1773201600;

// Works of the data file: list (T), name and picture path.
struct Work {
  int list = 0;
  std::string name, picture;
};

// The assembled program on hidden windows, in a working folder of its own.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool initialised = win32::InitCommonControlsForApp();
    (void)initialised;
    ::GetCurrentDirectoryW(MAX_PATH, previousFolder_);
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.path().wstring().c_str()));
  }
  void TearDown() override {
    program_.reset();
    ::SetCurrentDirectoryW(previousFolder_);
  }

  void Open(const std::vector<Work>& works, const std::string& settings = "") {
    std::string data;
    for (std::size_t i = 0; i < works.size(); ++i) {
      data += "T=" + std::to_string(works[i].list) + ";N=" + std::to_string(i + 1) +
              ";w=1;t=20:00;n=" + works[i].name +
              ";v=3;s=1;d=2026-03-08 20:00;m=;p=" + works[i].picture +
              ";D=2026-03-15 20:00;k=;W=;c=0;";
    }
    mirevo::testing::WriteBytes(folder_.File("data.mvd"), data);
    if (!settings.empty()) mirevo::testing::WriteBytes(folder_.File("mv.ini"), settings);
    program_ = std::make_unique<Program>(fakes_.services, clock_);
    ASSERT_TRUE(program_->Window().CreateModeless(nullptr));
  }

  HWND Main() const { return program_->Window().Hwnd(); }
  HWND List() const { return ::GetDlgItem(Main(), IDC_LIST); }
  void Command(int id) { ::SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  void SelectRow(int row) { program_->Window().Screen().SelectRow(row); }
  // The list's own notification about a row (a click selects it first).
  void Notify(UINT code, int row) {
    SelectRow(row);
    NMITEMACTIVATE notify{};
    notify.hdr = {List(), IDC_LIST, code};
    notify.iItem = row;
    ::SendMessageW(Main(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&notify));
  }
  int RowCount() const { return static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }

  mirevo::testing::ScopedTimeZone zone_{mirevo::testing::kChinaZone};
  mirevo::testing::TempFolder folder_;
  wchar_t previousFolder_[MAX_PATH] = {};
  FakeServices fakes_;
  FixedClock clock_{kNow};
  std::unique_ptr<Program> program_;
};

inline void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
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

// A shown window of this thread: a dialog with that title, or (title
// empty) the open menu.
inline HWND FindShown(const std::wstring& dialogTitle) {
  std::pair<const std::wstring*, HWND> search{&dialogTitle, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<std::pair<const std::wstring*, HWND>*>(param);
        wchar_t name[16] = {};
        ::GetClassNameW(hwnd, name, 16);
        const bool menu = s.first->empty();
        if (std::wstring_view(name) != (menu ? L"#32768" : L"#32770") || !::IsWindowVisible(hwnd) ||
            (!menu && win32::ReadWideText(hwnd) != *s.first))
          return TRUE;
        s.second = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// Plays the user inside the modal loop that open() runs: once the dialog
// with that title (GBK), or with an empty title the menu, is shown, act
// runs on it. If it never shows, the test fails and the loop is ended, so
// that a broken control cannot hang the run.
inline bool WhenShown(std::string_view gbkTitle, const std::function<void(HWND)>& act,
                      const std::function<void()>& open) {
  struct Step {
    std::wstring title;
    const std::function<void(HWND)>& act;
    bool done = false;
    int ticks = 0;
  };
  static Step* step = nullptr;
  Step current{win32::WideFromGbk(gbkTitle), act};
  step = &current;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 15, [](HWND, UINT, UINT_PTR, DWORD) {
    if (step == nullptr || step->done) return;
    if (HWND window = FindShown(step->title)) {
      step->done = true;
      step->act(window);
    } else if (++step->ticks > 300) {
      step->done = true;
      ::EndMenu();
      if (HWND dialog = ::GetActiveWindow())
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
  });
  open();
  ::KillTimer(nullptr, timer);
  step = nullptr;
  EXPECT_TRUE(current.done && current.ticks <= 300) << "never shown";
  return current.done && current.ticks <= 300;
}

// OLE for the whole test program, as the program has it for its run.
class OleEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override { ::OleInitialize(nullptr); }
  void TearDown() override { ::OleUninitialize(); }
};
inline ::testing::Environment* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace mirevo::ui::testing
