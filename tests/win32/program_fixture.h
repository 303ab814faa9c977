// The program as WinMain assembles it, on hidden windows in a temporary
// working folder, with a pinned clock and time zone and the UI services
// replaced by the recording fake; modal_driver.h plays the user at the
// dialogs and menus it opens. Beside it: the test pictures, what an
// owner-drawn item is drawn with, and a count of the flat buttons.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_ui_services.h"
#include "modal_driver.h"
#include "resource.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"
#include "ui/controls/flat_button.h"
#include "ui/shell/program.h"
#include "ui/win32/module.h"

namespace mirevo::testing {

// Wednesday 2026-03-11 12:00 in China (UTC+8).
inline constexpr std::time_t kNow = 1773201600;

// Three works on "动画" (the next episode of the first was due on Sunday),
// one finished drama and one awaited work whose kind is not chosen yet.
inline const std::string kSampleData =
    "T=0;N=1;w=6;t=23:30;n=星之彼方;v=5;s=3;d=2026-03-01 23:45;m=;p=;"
    "D=2026-03-08 23:45;k=;W=;c=0;"
    "T=0;N=2;w=0;t=01:05;n=晨曦的旅人;v=11;s=2;d=2026-03-08 01:20;m=;p=;"
    "D=2026-03-15 01:20;k=晨曦 旅人;W=;c=0;"
    "T=0;N=3;w=5;t=22:00;n=机械少女;v=2;s=1;d=2026-03-06 22:10;m=;p=;"
    "D=2026-03-13 22:10;k=;W=;c=0;"
    "T=13;N=4;w=4;t=21:00;n=古都物语;v=12;s=3;d=2025-12-01 21:54;m=全12集;p=;D=;k=;W=;c=0;"
    "T=25;N=5;w=-1;t=;n=新作;v=0;s=0;d=2026-03-01 10:00;m=;p=;D=;k=;W=;c=0;";

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::InitCommonControlsForApp();
    ::GetCurrentDirectoryW(MAX_PATH, previousFolder_);
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.path().wstring().c_str()));
  }
  void TearDown() override {
    program_.reset();
    ::SetCurrentDirectoryW(previousFolder_);
  }

  // Writes the settings (none: no file) and the data file, then creates the
  // window, which reads both now. It stays hidden unless its settings
  // maximise it.
  void Open(const std::string& settings = "", const std::string& data = kSampleData) {
    program_.reset();
    fakes_.Forget();
    std::filesystem::remove(folder_.path() / "mv.ini");
    if (!settings.empty()) WriteBytes(folder_.File("mv.ini"), settings);
    WriteBytes(folder_.File("data.mvd"), data);
    program_ = std::make_unique<ui::Program>(fakes_.services, clock_);
    ASSERT_TRUE(Window().CreateModeless(nullptr));
  }

  ui::MainWindow& Window() { return program_->Window(); }
  MainController& Controller() { return Window().Controller(); }
  HWND Main() { return Window().Hwnd(); }
  HWND List() { return ::GetDlgItem(Main(), IDC_LIST); }
  HWND Tabs() { return ::GetDlgItem(Main(), IDC_TABS); }
  int ShownTab() { return static_cast<int>(::SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0)); }
  // A tab picked by the user: the strip itself tells its parent.
  void ClickTab(int tab) { ::SendMessageW(Tabs(), TCM_SETCURFOCUS, tab, 0); }
  bool HasExStyle(LONG_PTR style) {
    return (::GetWindowLongPtrW(Main(), GWL_EXSTYLE) & style) != 0;
  }
  std::string Read(const char* file) const { return ReadBytes(folder_.File(file)); }
  // How many balloons the tray icon has shown.
  std::ptrdiff_t Balloons() const {
    return std::ranges::count_if(
        fakes_.notified, [](const auto& call) { return (call.second.uFlags & NIF_INFO) != 0; });
  }
  // The settings file as the program would read it.
  AppSettings Saved() const {
    AppSettings saved;
    ParseSettings(Read("mv.ini"), saved);
    return saved;
  }

  // A button by its id; IDOK and IDCANCEL come from the dialog manager as
  // Enter and Escape (no control sends them).
  void Press(int id) {
    HWND control = id == IDOK || id == IDCANCEL ? nullptr : ::GetDlgItem(Main(), id);
    ::SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
  }
  // "设置", and the dialog it opened.
  HWND OpenSettings() {
    Press(IDC_SETTINGS);
    const ui::SettingsDialog* dialog = program_->Settings().Dialog();
    return dialog != nullptr ? dialog->Hwnd() : nullptr;
  }
  void SelectRow(int row) {
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  }
  // The list's own notification, sent to the window as the list sends it.
  void NotifyFromList(UINT code, int item = -1, int subItem = 0) {
    NMITEMACTIVATE notify{};
    notify.hdr = {List(), IDC_LIST, code};
    notify.iItem = item;
    notify.iSubItem = subItem;
    ::SendMessageW(Main(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&notify));
  }

  // The texts of every row the controller has.
  std::vector<RowTexts> Texts() {
    std::vector<RowTexts> texts;
    for (int row = 0; row < static_cast<int>(Controller().List().Rows().size()); ++row)
      texts.push_back(Controller().List().TextsOfRow(row));
    return texts;
  }

  // Every cell the list shows, as the list itself gives it, and the text
  // colour custom draw gives each row, against the controller's rows.
  void ExpectListShowsTheRows() {
    const std::vector<ListRow>& rows = Controller().List().Rows();
    ASSERT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        EXPECT_EQ(journey::Cell(List(), row, column),
                  win32::WideFromGbk(Controller().List().TextsOfRow(row)[column]))
            << row << "," << column;
      }
      NMLVCUSTOMDRAW draw{};
      draw.nmcd.hdr = {List(), IDC_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
      draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
      draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
      ::SendMessageW(Main(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&draw));
      EXPECT_EQ(draw.clrText, static_cast<COLORREF>(rows[row].colour)) << "row " << row;
    }
  }

  ScopedTimeZone zone_{kChinaZone};
  TempFolder folder_;
  wchar_t previousFolder_[MAX_PATH] = {};
  FakeUiServices fakes_;
  FixedClock clock_{kNow};
  std::unique_ptr<ui::Program> program_;
};

inline RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

// The pictures of tools/make_test_pictures.sh, beside the test program.
inline std::string DataFile(const char* name) {
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  return (std::filesystem::path(module).parent_path() / "data" / name).string();
}

// The colour at `at` of what paint draws into a bitmap of that size.
inline COLORREF PaintedAt(SIZE size, const std::function<void(HDC)>& paint, POINT at) {
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ previous = ::SelectObject(dc, bitmap);
  paint(dc);
  const COLORREF colour = ::GetPixel(dc, at.x, at.y);
  ::SelectObject(dc, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return colour;
}

// The colour at (x, y) of what window draws for draw (WM_DRAWITEM).
inline COLORREF DrawnAt(HWND window, DRAWITEMSTRUCT draw, int x, int y) {
  return PaintedAt({draw.rcItem.right, draw.rcItem.bottom},
                   [&](HDC dc) {
                     draw.hDC = dc;
                     ::SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
                   },
                   {x, y});
}

// How many of the window's own buttons are owner-drawn rounded flat buttons.
inline int CountFlatButtons(HWND parent) {
  int count = 0;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const auto* flat = dynamic_cast<ui::FlatButton*>(win32::Control::FromHandle(child));
    count += flat != nullptr && flat->Rounded() &&
             (::GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
  }
  return count;
}

// OLE for the whole test program, as the program has it for its run (the
// pictures are decoded by OLE).
class OleEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override { ::OleInitialize(nullptr); }
  void TearDown() override { ::OleUninitialize(); }
};
inline ::testing::Environment* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace mirevo::testing
