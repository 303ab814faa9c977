// The main window as the program assembles it (program_fixture.h): its start
// from the settings and the data file; its buttons, keys, list notifications
// and menu items reaching their commands; what a command asks of the window
// (a dialog, a question, a tab, an address, new rows) carried out, checked
// against the controller's rows; the ways out, a session's end among them;
// the time zone it starts with; and two real copies of the program.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "program_fixture.h"
#include "ui/shell/single_instance.h"

namespace mirevo::ui {
namespace {

using namespace mirevo::testing;

class MainWindowTest : public ProgramTest {
 protected:
  // A tab picked by the user: the strip itself tells its parent.
  void ClickTab(int tab) { ::SendMessageW(Tabs(), TCM_SETCURFOCUS, tab, 0); }
};

TEST_F(MainWindowTest, StartsOnItsTabWithItsColumnsAndShowsTheRowsWithTheirColours) {
  for (const auto& [settings, tab] : {std::pair{"2=150;", 0}, {"2=150;default_type=4;", 4}}) {
    SCOPED_TRACE(settings);
    Open(settings);
    const ColumnWidths& widths = Controller().session.Settings().columnWidths;
    EXPECT_EQ(widths[2], 150);
    for (int column = 0; column < kColumnCount; ++column)
      EXPECT_EQ(::SendMessageW(List(), LVM_GETCOLUMNWIDTH, column, 0), widths[column]) << column;
    EXPECT_EQ(::SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0), kListCount);
    EXPECT_EQ(ShownTab(), tab);
    EXPECT_EQ(Controller().list.CurrentTab(), tab);
    // The sample has a due row: the colours tell the rows apart.
    if (tab == 0) {
      EXPECT_NE(Controller().list.Rows()[0].colour, Controller().list.Rows()[1].colour);
    }
    ExpectListShowsTheRows();
    EXPECT_TRUE(fakes_.messages.empty());
    EXPECT_EQ(::GetFocus(), List()) << "the keyboard works on the list";
  }
  EXPECT_EQ(::SendMessageW(Main(), WM_QUERYDRAGICON, 0, 0),
            reinterpret_cast<LRESULT>(Window().BigIcon()));
  EXPECT_NE(::SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0), 0);
  HMENU systemMenu = ::GetSystemMenu(Main(), FALSE);
  EXPECT_EQ(::GetMenuItemID(systemMenu, ::GetMenuItemCount(systemMenu) - 1),
            static_cast<UINT>(IDM_ABOUTBOX));
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
    fakes_.answers = {win32::MessageAnswer::kNo};
    SelectRow(1);
    const std::vector<ListRow> before = Controller().list.Rows();
    DialogScript script;
    if (c.via == kMenu) script.OnMenu([&](HWND menu) { ChooseItem(menu, c.id); });
    if (c.dialog) {
      script.On(c.dialog, [&](HWND dialog) {
        EXPECT_EQ(win32::GbkFromWide(Shown(dialog, IDC_NAME)),
                  std::string_view(c.dialog) == "编辑" ? before[1].texts[2] : "");
        ::SetDlgItemTextW(dialog, IDC_NAME, L"新名");
        ::SetDlgItemTextW(dialog, IDC_EPISODE, L"1");
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
    if (!fakes_.addresses.empty()) outcome = "open";
    if (!fakes_.messages.empty()) outcome = "ask " + fakes_.messages[0].caption;
    EXPECT_EQ(outcome, c.outcome);
    for (HWND owner : {fakes_.messages.empty() ? Main() : fakes_.messages[0].owner,
                       fakes_.addresses.empty() ? Main() : fakes_.addresses[0].owner})
      EXPECT_EQ(owner, Main());
    EXPECT_EQ(ShownTab(), Controller().list.CurrentTab());
    ExpectListShowsTheRows();
  }
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

// "保存并退出", the close request, Escape and the end of the session reach
// the session, and the exit question's answer comes back from the box.
// "untouched" is bytes the program never writes. The settings take the
// window's place, its column widths and its tab. The session's end writes
// both files as "保存并退出" does, without a question, and leaves the rest to
// the system.
TEST_F(MainWindowTest, EachWayOutEndsAsTheAnswerSays) {
  enum Way { kSaveAndExit, kClose, kEscape, kEndSession, kSessionGoesOn };
  struct Case {
    Way way;
    bool changed;
    std::optional<win32::MessageAnswer> answer;  // to the exit question
    const char* result;                          // the files written, and whether it ended
  };
  const Case cases[] = {{kSaveAndExit, false, std::nullopt, "data ini end"},
                        {kClose, true, win32::MessageAnswer::kCancel, "open"},
                        {kClose, true, win32::MessageAnswer::kNo, "ini end"},
                        {kEscape, true, win32::MessageAnswer::kYes, "data end"},
                        {kEndSession, true, std::nullopt, "data ini open"},
                        {kSessionGoesOn, true, std::nullopt, "open"}};
  std::map<Way, std::string> written;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    Open();
    HWND window = Main();
    Controller().session.Store().dataChanged = c.changed;
    if (c.answer) fakes_.answers = {*c.answer};
    WriteBytes(folder_.File("data.mvd"), "untouched");
    ::MoveWindow(window, 130, 70, 510, 370, TRUE);
    ::SendMessageW(List(), LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(150, 0));
    ClickTab(kFinishedList);
    if (c.way == kSaveAndExit) Press(IDC_SAVE_EXIT);
    if (c.way == kClose) ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (c.way == kEscape) Press(IDCANCEL);
    if (c.way >= kEndSession) {
      EXPECT_EQ(::SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
      ::SendMessageW(window, WM_ENDSESSION, c.way == kEndSession, 0);
    }
    ASSERT_EQ(fakes_.messages.size(), c.answer ? 1u : 0u);
    for (const auto& question : fakes_.messages) {
      EXPECT_EQ(question.buttons, win32::MessageButtons::kYesNoCancel);
      EXPECT_EQ(question.owner, window);
    }
    EXPECT_EQ(std::string(Read("data.mvd") != "untouched" ? "data " : "") +
                  (Read("mv.ini").empty() ? "" : "ini ") + (Main() ? "open" : "end"),
              c.result);
    written[c.way] = Read("data.mvd") + Read("mv.ini");
    if (Read("mv.ini").empty()) continue;
    EXPECT_EQ(Saved().windowPlacement, (WindowPlacement{130, 70, 510, 370}));
    EXPECT_EQ(Saved().columnWidths[2], 150);
    EXPECT_EQ(Saved().defaultType, kFinishedList);
  }
  EXPECT_EQ(written[kEndSession], written[kSaveAndExit]);
}

// Local time follows the system unless TZ is in the runtime's own form.
TEST(TimeZoneTest, AZoneTheRuntimeWouldMisreadIsRemoved) {
  ScopedTimeZone restored(kChinaZone);
  for (const auto& [zone, kept] : {std::pair{"Asia/Shanghai", false}, {"CST-8", true}}) {
    ASSERT_EQ(_putenv_s("TZ", zone), 0);
    KeepTimeZoneReadable();
    const char* left = std::getenv("TZ");
    EXPECT_EQ(left != nullptr ? std::string(left) : "", kept ? zone : "") << zone;
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
struct Process {
  explicit Process(const std::filesystem::path& folder) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring program =
        std::filesystem::path(self).parent_path().parent_path().parent_path() / L"Mirevo.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::CreateProcessW(program.c_str(), program.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.wstring().c_str(), &startup, &info);
  }
  ~Process() {
    if (Running()) ::TerminateProcess(info.hProcess, 1);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
  }

  bool Running() const { return ::WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }
  bool WaitForExit() const { return ::WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0; }

  // Its visible dialog window: the main window or a message box.
  HWND WaitForDialog() const {
    for (int poll = 0; poll < 600 && Running(); ++poll, ::Sleep(50)) {
      for (HWND window = ::FindWindowExW(nullptr, nullptr, kDialogClass, nullptr); window;
           window = ::FindWindowExW(nullptr, window, kDialogClass, nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        if (pid == info.dwProcessId && ::IsWindowVisible(window)) return window;
      }
    }
    return nullptr;
  }

  PROCESS_INFORMATION info{};
};

TEST(MainWindowProcessTest, ASecondCopyShowsOnlyItsMessageAndTheFirstRunsOn) {
  TempFolder folder;
  WriteBytes(folder.File("data.mvd"), kSampleData);
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
  EXPECT_EQ(ReadBytes(folder.File("data.mvd")), kSampleData);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "mv.ini"));

  // The first copy was not disturbed: it still saves and ends.
  ASSERT_TRUE(first.Running());
  ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_SAVE_EXIT, BN_CLICKED), 0);
  ASSERT_TRUE(first.WaitForExit());
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "mv.ini"));
  EXPECT_NE(ReadBytes(folder.File("data.mvd")).find(";n=新作;"), std::string::npos);
}

}  // namespace
}  // namespace mirevo::ui
