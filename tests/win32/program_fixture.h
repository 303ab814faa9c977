// The program as WinMain assembles it, on hidden windows in a temporary
// working folder, with a pinned clock and time zone and the UI services
// replaced by the recording fake below; modal_driver.h plays the user at the
// dialogs and menus it opens. Beside it: the test pictures and what an
// owner-drawn item is drawn with.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "modal_driver.h"
#include "resource.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"
#include "ui/shell/program.h"
#include "ui/win32/module.h"
#include "ui/win32/ui_services.h"

namespace mirevo::testing {

// ---- The four UI services as one fake ----------------------------------
// It records every call and answers from a script instead of showing
// anything.

// What the fake recorded, and the answers it gives the message boxes.
struct FakeUiRecord {
  struct Message {
    HWND owner;
    std::string text, caption;  // GBK; the caption empty when left to the service
    win32::MessageButtons buttons;
  };
  struct Opened {
    HWND owner;
    std::string address;  // GBK
  };

  // The answers to the boxes in the order shown; past them, the first button.
  std::vector<win32::MessageAnswer> answers;
  std::vector<Message> messages;
  std::vector<Opened> addresses, links;
  std::vector<std::pair<DWORD, NOTIFYICONDATAW>> notified;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
  std::vector<COLORREF> offeredColours;
  int adds = 0;
};

struct FakeUiServices final : FakeUiRecord,
                              win32::MessageBoxService,
                              win32::ShellOpenService,
                              win32::NotifyIconService,
                              win32::ColourChooserService {
  win32::MessageAnswer Show(HWND owner, std::string_view text, std::string_view caption,
                            win32::MessageButtons buttons, win32::MessageIcon) override {
    messages.push_back({owner, std::string(text), std::string(caption), buttons});
    if (messages.size() <= answers.size()) return answers[messages.size() - 1];
    return buttons == win32::MessageButtons::kOk ? win32::MessageAnswer::kOk
                                                 : win32::MessageAnswer::kYes;
  }
  bool Open(HWND owner, std::string_view address) override {
    addresses.push_back({owner, std::string(address)});
    return true;
  }
  bool OpenLink(HWND owner, std::string_view target) override {
    links.push_back({owner, std::string(target)});
    return true;
  }
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    notified.push_back({message, data});
    return message != NIM_ADD || ++adds != refusedAdd;
  }
  std::optional<COLORREF> Choose(HWND, COLORREF initial) override {
    offeredColours.push_back(initial);
    return chosenColour;
  }

  // Forgets what was recorded and the answers to the message boxes.
  void Forget() { static_cast<FakeUiRecord&>(*this) = {}; }

  int refusedAdd = 0;                    // the NIM_ADD that fails, from 1; 0: none
  std::optional<COLORREF> chosenColour;  // nullopt: the user cancels
  win32::UiServices services{*this, *this, *this, *this};
};

// ---- The program ---------------------------------------------------------

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
    ASSERT_TRUE(program_->Window().CreateModeless(nullptr));
  }

  MainController& Controller() { return program_->Window().Controller(); }
  HWND Main() { return program_->Window().Hwnd(); }
  HWND List() { return ::GetDlgItem(Main(), IDC_LIST); }
  int ShownTab() {
    return static_cast<int>(::SendDlgItemMessageW(Main(), IDC_TABS, TCM_GETCURSEL, 0, 0));
  }
  // A tab picked by the user: the strip itself tells its parent.
  void ClickTab(int tab) { ::SendDlgItemMessageW(Main(), IDC_TABS, TCM_SETCURFOCUS, tab, 0); }
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
  // Enter and Escape, from no control (the window has no such buttons).
  void Press(int id) {
    ::SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(Main(), id)));
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
      for (int column = 0; column < kColumnCount; ++column)
        EXPECT_EQ(journey::Cell(List(), row, column),
                  win32::WideFromGbk(Controller().List().TextsOfRow(row)[column]))
            << row << "," << column;
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

// The colour at (x, y) of what window draws for draw (WM_DRAWITEM), into a
// bitmap of the item's size.
inline COLORREF DrawnAt(HWND window, DRAWITEMSTRUCT draw, int x, int y) {
  HDC screen = ::GetDC(nullptr);
  draw.hDC = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, draw.rcItem.right, draw.rcItem.bottom);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ previous = ::SelectObject(draw.hDC, bitmap);
  ::SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  const COLORREF colour = ::GetPixel(draw.hDC, x, y);
  ::SelectObject(draw.hDC, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(draw.hDC);
  return colour;
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
