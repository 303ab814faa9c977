// The main window as the program assembles it, in a temporary working
// folder with the message boxes and the shell replaced by recording fakes;
// modal_driver.h plays the user at the dialogs and menus it opens. Its start
// from the settings and the data file; its buttons, keys, list notifications
// and menu items reaching their commands; what a command asks of the window
// (a dialog, a question, a tab, an address, new rows) carried out, checked
// against the controller's rows; the ways out; and two real copies of the
// program.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "fake_ui_services.h"
#include "modal_driver.h"
#include "resource.h"
#include "store/clock.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"
#include "ui/shell/program.h"
#include "ui/shell/single_instance.h"
#include "ui/win32/module.h"

namespace mirevo::ui::testing {
namespace {

// Wednesday 2026-03-11 12:00 in China (UTC+8).
constexpr std::time_t kNow = 1773201600;

// Three works on "动画" (the next episode of the first was due on Sunday),
// one finished drama and one awaited work whose kind is not chosen yet.
const std::string kSampleData =
    "T=0;N=1;w=6;t=23:30;n=星之彼方;v=5;s=3;d=2026-03-01 23:45;m=;p=;"
    "D=2026-03-08 23:45;k=;W=;c=0;"
    "T=0;N=2;w=0;t=01:05;n=晨曦的旅人;v=11;s=2;d=2026-03-08 01:20;m=;p=;"
    "D=2026-03-15 01:20;k=晨曦 旅人;W=;c=0;"
    "T=0;N=3;w=5;t=22:00;n=机械少女;v=2;s=1;d=2026-03-06 22:10;m=;p=;"
    "D=2026-03-13 22:10;k=;W=;c=0;"
    "T=13;N=4;w=4;t=21:00;n=古都物语;v=12;s=3;d=2025-12-01 21:54;m=全12集;p=;D=;k=;W=;c=0;"
    "T=25;N=5;w=-1;t=;n=新作;v=0;s=0;d=2026-03-01 10:00;m=;p=;D=;k=;W=;c=0;";

using namespace win32::testing;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::InitCommonControlsForApp();
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    previousFolder_ = previous;
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.path().wstring().c_str()));
  }
  void TearDown() override {
    program_.reset();
    ::SetCurrentDirectoryW(previousFolder_.c_str());
  }

  // Writes the settings and the data file, then creates the window, which
  // reads both now. It stays hidden unless its settings maximise it: wine
  // without a window manager takes seconds to take the activation away from
  // a shown window again.
  void Open(const std::string& settings = "") {
    program_.reset();
    fakes_.messages.shown.clear();
    fakes_.messages.answers.clear();
    fakes_.shell.opened.clear();
    std::filesystem::remove(folder_.path() / "mv.ini");
    if (!settings.empty()) mirevo::testing::WriteBytes(folder_.File("mv.ini"), settings);
    mirevo::testing::WriteBytes(folder_.File("data.mvd"), kSampleData);
    program_ = std::make_unique<Program>(fakes_.services, clock_);
    ASSERT_TRUE(Window().CreateModeless(nullptr));
  }

  std::string Read(const char* file) const {
    return mirevo::testing::ReadBytes(folder_.File(file));
  }

  MainWindow& Window() { return program_->Window(); }
  MainController& Controller() { return Window().Controller(); }
  HWND Hwnd() { return Window().Hwnd(); }
  HWND List() { return ::GetDlgItem(Hwnd(), IDC_LIST); }
  HWND Tabs() { return ::GetDlgItem(Hwnd(), IDC_TABS); }

  // A button by its id; IDOK and IDCANCEL come from the dialog manager as
  // Enter and Escape (no control sends them).
  void Press(int id) {
    HWND control = id == IDOK || id == IDCANCEL ? nullptr : ::GetDlgItem(Hwnd(), id);
    ::SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
  }
  // A tab picked by the user: the strip itself tells its parent.
  void ClickTab(int tab) { ::SendMessageW(Tabs(), TCM_SETCURFOCUS, tab, 0); }
  int ShownTab() { return static_cast<int>(::SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0)); }

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
    ::SendMessageW(Hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&notify));
  }

  // Every cell the list shows, as the list itself gives it (GBK), and the
  // text colour custom draw gives each row, against the controller's rows.
  void ExpectListShowsTheRows() {
    const std::vector<ListRow>& rows = Controller().list.Rows();
    ASSERT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        wchar_t buffer[512] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 512;
        ::SendMessageW(List(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(win32::GbkFromWide(buffer), rows[row].texts[column]) << row << "," << column;
      }
      NMLVCUSTOMDRAW draw{};
      draw.nmcd.hdr = {List(), IDC_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
      draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
      draw.nmcd.dwItemSpec = row;
      ::SendMessageW(Hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&draw));
      EXPECT_EQ(draw.clrText, static_cast<COLORREF>(rows[row].colour)) << "row " << row;
    }
  }

  const std::vector<ShownMessage>& Messages() const { return fakes_.messages.shown; }

  mirevo::testing::ScopedTimeZone zone_{mirevo::testing::kChinaZone};
  mirevo::testing::TempFolder folder_;
  std::wstring previousFolder_;
  FakeUiServices fakes_;
  FixedClock clock_{kNow};
  std::unique_ptr<Program> program_;
};

TEST_F(MainWindowTest, StartsAsTheSettingsSayAndShowsTheRowsWithTheirColours) {
  Open("pos[0]=120;pos[1]=90;pos[2]=520;pos[3]=380;topshow=1;2=150;");
  RECT rect{};
  ::GetWindowRect(Hwnd(), &rect);
  EXPECT_EQ(rect.left, 120);
  EXPECT_EQ(rect.top, 90);
  EXPECT_EQ(rect.right - rect.left, 520);
  EXPECT_EQ(rect.bottom - rect.top, 380);
  EXPECT_NE(::GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_FALSE(::IsZoomed(Hwnd()));
  const ColumnWidths& widths = Controller().session.Settings().columnWidths;
  EXPECT_EQ(widths[2], 150);
  for (int column = 0; column < kColumnCount; ++column)
    EXPECT_EQ(::SendMessageW(List(), LVM_GETCOLUMNWIDTH, column, 0), widths[column]) << column;
  EXPECT_EQ(::SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0), kListCount);
  // The sample has a due row: the colours tell the rows apart.
  ASSERT_NE(Controller().list.Rows()[0].colour, Controller().list.Rows()[1].colour);
  ExpectListShowsTheRows();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(::GetFocus(), List()) << "the keyboard works on the list";
  EXPECT_EQ(::SendMessageW(Hwnd(), WM_QUERYDRAGICON, 0, 0),
            reinterpret_cast<LRESULT>(Window().BigIcon()));
  EXPECT_NE(::SendMessageW(Hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
  HMENU systemMenu = ::GetSystemMenu(Hwnd(), FALSE);
  EXPECT_EQ(::GetMenuItemID(systemMenu, ::GetMenuItemCount(systemMenu) - 1),
            static_cast<UINT>(IDM_ABOUTBOX));

  Open("default_type=4;MaxSign=1;");
  EXPECT_TRUE(::IsZoomed(Hwnd()));
  EXPECT_EQ(ShownTab(), kFinishedList);
  EXPECT_EQ(Controller().list.CurrentTab(), kFinishedList);
  ExpectListShowsTheRows();
}

// Chooses the item with that id from the open popup menu by keyboard.
void ChooseItem(HWND menuWindow, UINT id) {
  HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
    if ((::GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) == 0)
      ::PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    if (::GetMenuItemID(menu, position) == id) break;
  }
  ::PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}

// Each path, with row 1 of "动画" selected and a question answered No: the
// record dialog it opens shows the selected work (or none) and takes a new
// name; and what the window shows after it.
TEST_F(MainWindowTest, EachControlKeyAndMenuItemReachesItsCommandOnTheSelectedWork) {
  enum Via { kButton, kList, kMenu, kTab, kHeader };
  struct Path {
    Via via;
    UINT id;  // a button (IDOK: Enter), a list notification, a menu item, a tab or a column
    const char* dialog;
    const char* outcome;
  };
  const Path paths[] = {{kButton, IDC_ADD, "添加", "row 0"},
                        {kButton, IDC_UPDATE, nullptr, "row 1"},
                        {kButton, IDC_EDIT, "编辑", "row 1"},
                        {kButton, IDOK, "编辑", "row 1"},
                        {kList, static_cast<UINT>(NM_DBLCLK), "编辑", "row 1"},
                        {kButton, IDC_FINISH, nullptr, "tab 4"},
                        {kButton, IDC_DELETE, nullptr, "ask 删除"},
                        {kButton, IDC_SEARCH, nullptr, "open"},
                        {kMenu, ID_MENU_UPDATE, nullptr, "row 1"},
                        {kMenu, ID_MENU_EDIT, "编辑", "row 1"},
                        {kMenu, ID_MENU_FINISH, nullptr, "tab 4"},
                        {kMenu, ID_MENU_ADD, "添加", "row 0"},
                        {kMenu, ID_MENU_DELETE, nullptr, "ask 删除"},
                        {kTab, kFinishedList, nullptr, "tab 4"},
                        {kHeader, 3, nullptr, "sort 3"}};
  for (const Path& c : paths) {
    SCOPED_TRACE(::testing::Message() << c.via << " " << c.id);
    Open();
    fakes_.messages.answers = {win32::MessageAnswer::kNo};
    SelectRow(1);
    const std::vector<ListRow> before = Controller().list.Rows();
    DialogScript script;
    if (c.via == kMenu) script.OnMenu([&](HWND menu) { ChooseItem(menu, c.id); });
    if (c.dialog) {
      script.On(c.dialog, [&](HWND dialog) {
        EXPECT_EQ(win32::GbkFromWide(Shown(dialog, IDC_NAME)),
                  std::string_view(c.dialog) == "编辑" ? before[1].texts[2] : "");
        Type(dialog, IDC_NAME, L"新名");
        Type(dialog, IDC_EPISODE, L"1");
        PostCommand(dialog, IDOK);
      });
    }
    script.Run([&] {
      if (c.via == kButton) Press(static_cast<int>(c.id));
      if (c.via == kList) NotifyFromList(c.id, 1);
      if (c.via == kMenu) NotifyFromList(NM_RCLICK, 1);
      if (c.via == kTab) ClickTab(static_cast<int>(c.id));
      if (c.via == kHeader) NotifyFromList(LVN_COLUMNCLICK, -1, static_cast<int>(c.id));
    });
    std::string outcome = "nothing";
    const std::vector<ListRow>& rows = Controller().list.Rows();
    for (std::size_t row = std::min(rows.size(), before.size()); row-- > 0;)
      if (rows[row].texts != before[row].texts) outcome = "row " + std::to_string(row);
    if (ShownTab() != kAnime) outcome = "tab " + std::to_string(ShownTab());
    if (const int column = Controller().list.SortColumn(); column >= 0)
      outcome = "sort " + std::to_string(column);
    if (!fakes_.shell.opened.empty()) outcome = "open";
    if (!Messages().empty()) outcome = "ask " + Messages()[0].caption;
    EXPECT_EQ(outcome, c.outcome);
    for (HWND owner : {Messages().empty() ? Hwnd() : Messages()[0].owner,
                       fakes_.shell.opened.empty() ? Hwnd() : fakes_.shell.opened[0].owner})
      EXPECT_EQ(owner, Hwnd());
    EXPECT_EQ(ShownTab(), Controller().list.CurrentTab());
    ExpectListShowsTheRows();
  }
}

TEST_F(MainWindowTest, TheContextMenuShowsTheStateOfTheTabAndSelection) {
  Open("default_type=4;");
  SelectRow(0);
  ContextMenuState shown{};
  DialogScript script;
  script.OnMenu([&](HWND menuWindow) {
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const auto enabled = [&](UINT id) { return (::GetMenuState(menu, id, 0) & MF_GRAYED) == 0; };
    shown = {enabled(ID_MENU_UPDATE), enabled(ID_MENU_EDIT),
             enabled(ID_MENU_FINISH), enabled(ID_MENU_ADD),
             enabled(ID_MENU_DELETE), (::GetMenuState(menu, ID_MENU_FINISH, 0) & MF_CHECKED) != 0};
    ::EndMenu();
  });
  script.Run([&] { NotifyFromList(NM_RCLICK, 0); });
  EXPECT_EQ(shown, ContextMenuStateFor(kFinishedList, true));
  EXPECT_TRUE(Messages().empty()) << "nothing chosen, nothing done";
}

// The kind chosen for an awaited work on its first update moves it, and
// the strip follows it.
TEST_F(MainWindowTest, TheTypeDialogsChoiceMovesTheWork) {
  Open("default_type=5;");
  DialogScript script;
  script.On("请选择此作品的类型", [](HWND dialog) {
    Click(dialog, IDC_TYPE_OVA);
    PostCommand(dialog, IDOK);
  });
  SelectRow(0);
  script.Run([&] { Press(IDC_UPDATE); });
  EXPECT_EQ(ShownTab(), kOva);
  EXPECT_EQ(Controller().list.CurrentTab(), kOva);
  ExpectListShowsTheRows();
}

// Saving keeps the window's place, its column widths and its tab.
TEST_F(MainWindowTest, SavingTakesThePlacementWidthsAndTabOfTheWindow) {
  Open();
  ::MoveWindow(Hwnd(), 130, 70, 510, 370, TRUE);
  ::SendMessageW(List(), LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(150, 0));
  ClickTab(kFinishedList);
  Press(IDC_SAVE_EXIT);
  EXPECT_EQ(Hwnd(), nullptr);
  const AppSettings& settings = Controller().session.Settings();
  EXPECT_EQ(settings.windowPlacement, (WindowPlacement{130, 70, 510, 370}));
  EXPECT_EQ(settings.columnWidths[2], 150);
  EXPECT_EQ(settings.defaultType, kFinishedList);
}

// "保存并退出", the close request and Escape reach the session, and the exit
// question's answer comes back from the box. "untouched" is bytes the
// program never writes.
TEST_F(MainWindowTest, EachWayOutEndsAsTheAnswerSays) {
  enum Way { kSaveAndExit, kClose, kEscape };
  struct Case {
    Way way;
    std::optional<win32::MessageAnswer> answer;  // the data changed; nullopt: nothing did
    const char* result;                          // the files written, and whether it ended
  };
  const Case cases[] = {{kSaveAndExit, std::nullopt, "data ini end"},
                        {kClose, win32::MessageAnswer::kCancel, "open"},
                        {kClose, win32::MessageAnswer::kNo, "ini end"},
                        {kEscape, win32::MessageAnswer::kYes, "data end"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    Open();
    HWND window = Hwnd();
    if (c.answer) {
      Controller().session.Store().dataChanged = true;
      fakes_.messages.answers = {*c.answer};
    }
    mirevo::testing::WriteBytes(folder_.File("data.mvd"), "untouched");
    if (c.way == kSaveAndExit) Press(IDC_SAVE_EXIT);
    if (c.way == kClose) ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (c.way == kEscape) Press(IDCANCEL);
    ASSERT_EQ(Messages().size(), c.answer ? 1u : 0u);
    for (const ShownMessage& question : Messages()) {
      EXPECT_EQ(question.buttons, win32::MessageButtons::kYesNoCancel);
      EXPECT_EQ(question.owner, window);
    }
    EXPECT_EQ(std::string(Read("data.mvd") != "untouched" ? "data " : "") +
                  (Read("mv.ini").empty() ? "" : "ini ") + (Hwnd() ? "open" : "end"),
              c.result);
  }
}

// ---- Two real copies of Mirevo.exe ---------------------------------------

// A window's text, asked of the window itself (it belongs to another
// process).
std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  ::SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, nullptr);
  return buffer;
}

// Mirevo.exe (build/windows/, three folders above this test) running in a
// folder; a failed test must not leave it running. Waits are bounded so
// that a copy that never shows up fails the test instead of hanging it; no
// time is asserted.
class Process {
 public:
  explicit Process(const std::filesystem::path& folder) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring program =
        std::filesystem::path(self).parent_path().parent_path().parent_path() / L"Mirevo.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::CreateProcessW(program.c_str(), program.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.wstring().c_str(), &startup, &info_);
  }
  ~Process() {
    if (Running()) ::TerminateProcess(info_.hProcess, 1);
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
  }

  bool Running() const { return ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  bool WaitForExit() const { return ::WaitForSingleObject(info_.hProcess, 30000) == WAIT_OBJECT_0; }

  // Its visible dialog window: the main window or a message box.
  HWND WaitForDialog() const {
    for (int poll = 0; poll < 600 && Running(); ++poll, ::Sleep(50)) {
      for (HWND window = ::FindWindowExW(nullptr, nullptr, kDialogClass, nullptr); window;
           window = ::FindWindowExW(nullptr, window, kDialogClass, nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        if (pid == info_.dwProcessId && ::IsWindowVisible(window)) return window;
      }
    }
    return nullptr;
  }

 private:
  PROCESS_INFORMATION info_{};
};

TEST(MainWindowProcessTest, ASecondCopyShowsOnlyItsMessageAndTheFirstRunsOn) {
  mirevo::testing::TempFolder folder;
  mirevo::testing::WriteBytes(folder.File("data.mvd"), kSampleData);
  Process first(folder.path());
  HWND main = first.WaitForDialog();
  ASSERT_NE(main, nullptr) << "build the Mirevo target first";
  EXPECT_EQ(TextOf(main), L"Mirevo");
  {
    Process second(folder.path());
    HWND box = second.WaitForDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Mirevo") << "the real message box, captioned with the program's name";
    bool saysSo = false;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      saysSo = saysSo || TextOf(child) == win32::WideFromGbk(kAlreadyRunning);
    EXPECT_TRUE(saysSo);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(second.WaitForExit());
  }
  EXPECT_EQ(mirevo::testing::ReadBytes(folder.File("data.mvd")), kSampleData);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "mv.ini"));

  // The first copy was not disturbed: it still saves and ends.
  ASSERT_TRUE(first.Running());
  ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_SAVE_EXIT, BN_CLICKED), 0);
  ASSERT_TRUE(first.WaitForExit());
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "mv.ini"));
  const std::string saved = mirevo::testing::ReadBytes(folder.File("data.mvd"));
  for (const char* name : {"星之彼方", "晨曦的旅人", "机械少女", "古都物语", "新作"})
    EXPECT_NE(saved.find(std::string(";n=") + name + ";"), std::string::npos) << name;
}

}  // namespace
}  // namespace mirevo::ui::testing
