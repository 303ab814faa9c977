// The main window as the program assembles it (program_fixture.h): its start
// from the settings and the data file; its buttons, keys, list notifications
// and menu items reaching their commands; what a command asks of the window
// (a dialog, a question, a tab, an address, new rows) carried out, checked
// against the controller's rows; the ways out, a session's end among them;
// and the time zone it starts with. Then what lives on it: the tray icon
// (seen through the notify-icon service), the window's behaviour on the
// screen, and the settings dialog. Only the wiring: the rules are the window
// layer's and the forms', tested natively. (Two real copies of the program
// are the journey's.)
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "app/search_page_form.h"
#include "program_fixture.h"
#include "ui/shell/reminder_feature.h"
#include "ui/shell/tray_icon.h"

namespace mirevo::ui {
namespace {

using namespace mirevo::testing;

class MainWindowTest : public ProgramTest {};

// It starts on the tab, with the column widths and at the place its
// settings give (the default one off every screen), or maximised, and not
// topmost unless they say so; the rows shown with their colours. On "期待"
// the kind chosen for an awaited work on its first update moves it, and the
// strip follows it.
TEST_F(MainWindowTest, StartsAsItsSettingsSayAndTheTypeDialogsChoiceMovesAnAwaitedWork) {
  // the settings, the tab, the window's left and top (-1: maximised)
  for (const auto& [settings, tab, left, top] :
       {std::tuple{"2=150;pos[0]=120;pos[1]=90;", 0, 120L, 90L},
        {"2=150;pos[0]=3000;pos[1]=2000;", 0, 250L, 150L},
        {"2=150;default_type=5;MaxSign=1;", 5, -1L, -1L}}) {
    SCOPED_TRACE(settings);
    Open(settings);
    EXPECT_EQ(::SendMessageW(List(), LVM_GETCOLUMNWIDTH, 2, 0), 150);
    EXPECT_EQ(ShownTab(), tab);
    ExpectListShowsTheRows();
    EXPECT_EQ(::GetFocus(), List()) << "the keyboard works on the list";
    EXPECT_EQ(::IsZoomed(Main()) != FALSE, left < 0);
    if (left >= 0) {
      EXPECT_EQ(std::pair(WindowRect(Main()).left, WindowRect(Main()).top), std::pair(left, top));
    }
    EXPECT_FALSE(HasExStyle(WS_EX_TOPMOST));
  }
  DialogScript script;
  script.On("请选择此作品的类型", [](HWND dialog) {
    Click(dialog, IDC_TYPE_OVA);
    journey::Press(dialog, IDOK);
  });
  SelectRow(0);
  script.Run([&] { Press(IDC_UPDATE); });
  EXPECT_EQ(ShownTab(), kOva);
  HMENU systemMenu = ::GetSystemMenu(Main(), FALSE);
  EXPECT_EQ(::GetMenuItemID(systemMenu, ::GetMenuItemCount(systemMenu) - 1),
            static_cast<UINT>(IDM_ABOUTBOX));
}

// Each path, with row 1 of "动画" selected and a question answered No: the
// record dialog it opens (what it shows is the commands' rule) takes a new
// name; and what the window shows after it.
TEST_F(MainWindowTest, EachControlKeyAndMenuItemReachesItsCommandOnTheSelectedWork) {
  enum Via { kButton, kList, kMenu, kTab, kHeader };
  // the way, its id (a button (IDOK: Enter), a list notification, a menu
  // item, a tab or a column), the record dialog it opens and the outcome
  const std::tuple<Via, UINT, const char*, const char*> paths[] = {
      {kButton, IDC_ADD, "添加", "row 0"},
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
  for (const auto& [via, id, title, expected] : paths) {
    SCOPED_TRACE(::testing::Message() << via << " " << id);
    Open();
    fakes_.answers = {win32::MessageAnswer::kNo};
    SelectRow(1);
    const std::vector<RowTexts> before = Texts();
    DialogScript script;
    if (via == kMenu) script.OnMenu([&](HWND menu) { ChooseItem(menu, id); });
    if (title) {
      script.On(title, [&](HWND dialog) {
        ::SetDlgItemTextW(dialog, IDC_NAME, L"新名");
        ::SetDlgItemTextW(dialog, IDC_EPISODE, L"1");
        journey::Press(dialog, IDOK);
      });
    }
    script.Run([&] {
      if (via == kButton) Press(static_cast<int>(id));
      if (via == kList) NotifyFromList(id, 1);
      if (via == kMenu) NotifyFromList(NM_RCLICK, 1);
      if (via == kTab) ClickTab(static_cast<int>(id));
      if (via == kHeader) NotifyFromList(LVN_COLUMNCLICK, -1, static_cast<int>(id));
    });
    std::string outcome = "nothing";
    const std::vector<RowTexts> rows = Texts();
    for (std::size_t row = std::min(rows.size(), before.size()); row-- > 0;)
      if (rows[row] != before[row]) outcome = "row " + std::to_string(row);
    if (ShownTab() != kAnime) outcome = "tab " + std::to_string(ShownTab());
    if (const int column = Controller().List().SortColumn(); column >= 0)
      outcome = "sort " + std::to_string(column);
    if (!fakes_.addresses.empty()) outcome = "open";
    if (!fakes_.messages.empty()) outcome = "ask " + fakes_.messages[0].caption;
    EXPECT_EQ(outcome, expected);
    for (HWND owner : {fakes_.messages.empty() ? Main() : fakes_.messages[0].owner,
                       fakes_.addresses.empty() ? Main() : fakes_.addresses[0].owner})
      EXPECT_EQ(owner, Main());
    EXPECT_EQ(ShownTab(), Controller().List().CurrentTab());
    ExpectListShowsTheRows();
    // Rows made anew: a selection kept would point at another work.
    if (via == kTab || via == kHeader)
      EXPECT_EQ(::SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 0);
  }
}

// "保存并退出", the close request, Escape and the end of the session reach
// the session, and the exit question's answer comes back from the box.
// "untouched" is bytes the program never writes. The settings take the
// window's place, its column widths and its tab. The session's end writes
// both files without a question and leaves the rest to the system.
TEST_F(MainWindowTest, EachWayOutEndsAsTheAnswerSays) {
  enum Way { kSaveAndExit, kClose, kEscape, kEndSession, kSessionGoesOn };
  // the way, whether the data changed, the answer to the exit question, and
  // the files written and whether it ended
  const std::tuple<Way, bool, std::optional<win32::MessageAnswer>, const char*> cases[] = {
      {kSaveAndExit, false, std::nullopt, "data ini end"},
      {kClose, true, win32::MessageAnswer::kCancel, "open"},
      {kClose, true, win32::MessageAnswer::kNo, "ini end"},
      {kEscape, true, win32::MessageAnswer::kYes, "data end"},
      {kEndSession, true, std::nullopt, "data ini open"},
      {kSessionGoesOn, true, std::nullopt, "open"}};
  for (const auto& [way, changed, answer, result] : cases) {
    SCOPED_TRACE(result);
    Open();
    HWND window = Main();
    Controller().GetSession().Store().dataChanged = changed;
    if (answer) fakes_.answers = {*answer};
    WriteBytes(folder_.File("data.mvd"), "untouched");
    ::MoveWindow(window, 130, 70, 510, 370, TRUE);
    ::SendMessageW(List(), LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(150, 0));
    ClickTab(kFinishedList);
    if (way == kSaveAndExit) Press(IDC_SAVE_EXIT);
    if (way == kClose) ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (way == kEscape) Press(IDCANCEL);
    if (way >= kEndSession) {
      EXPECT_EQ(::SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
      ::SendMessageW(window, WM_ENDSESSION, way == kEndSession, 0);
    }
    ASSERT_EQ(fakes_.messages.size(), answer ? 1u : 0u);
    for (const auto& question : fakes_.messages)
      EXPECT_EQ(std::pair(question.buttons, question.owner),
                std::pair(win32::MessageButtons::kYesNoCancel, window));
    EXPECT_EQ(std::string(Read("data.mvd") != "untouched" ? "data " : "") +
                  (Read("mv.ini").empty() ? "" : "ini ") + (Main() ? "open" : "end"),
              result);
    if (Read("mv.ini").empty()) continue;
    EXPECT_EQ(Saved().windowRect, Rect::At(130, 70, 510, 370));
    EXPECT_EQ(Saved().columnWidths[2], 150);
    EXPECT_EQ(Saved().rememberedTab, kFinishedList);
  }
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

// ---- The tray icon -------------------------------------------------------

class TrayTest : public ProgramTest {};

// Added at the start, again when the taskbar is made anew (after a first
// add that failed; changed instead when it is still there), removed at the
// exit. Between, one message after another, with "AllowTrayBTip" on and off:
// minimising hides the window (no taskbar button) and shows the summary if
// allowed; a hover on the icon shows it while the window is hidden, and
// again after a balloon's end, but not after a right press (the menu comes);
// a double click shows the window; a right click opens the menu, whose items
// arrive. Another icon's messages are not the tray's.
TEST_F(TrayTest, TheIconComesAndGoesAndItsMessagesReachTheBalloonTheWindowAndTheMenu) {
  constexpr UINT kTray = TrayIcon::kCallbackMessage;
  constexpr UINT kIcon = IDR_TRAY_MENU;
  using Calls = std::vector<DWORD>;
  // "AllowTrayBTip", the add that fails, and the icon's calls
  for (const auto& [allow, refused, calls] :
       {std::tuple{1, 2, Calls{NIM_ADD, NIM_ADD, NIM_MODIFY, NIM_DELETE}},
        {0, 1, Calls{NIM_ADD, NIM_ADD, NIM_DELETE}}}) {
    fakes_.refusedAdd = refused;
    Open("AllowTrayBTip=" + std::to_string(allow) + ";");
    HWND window = Main();
    ::SendMessageW(window, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    // message, its parameters, the tray menu's choice, the window shown
    // before, summaries, shown after
    const std::tuple<UINT, WPARAM, LPARAM, int, bool, int, bool> steps[] = {
        {WM_SYSCOMMAND, SC_MINIMIZE, 0, 0, true, allow, false},
        {kTray, kIcon, WM_MOUSEMOVE, 0, true, 0, true},
        {kTray, kIcon, WM_MOUSEMOVE, 0, false, allow, false},
        {kTray, kIcon, WM_MOUSEMOVE, 0, false, 0, false},  // once
        {kTray, kIcon, NIN_BALLOONTIMEOUT, 0, false, 0, false},
        {kTray, kIcon, WM_MOUSEMOVE, 0, false, allow, false},
        {kTray, kIcon, NIN_BALLOONUSERCLICK, 0, false, 0, false},
        {kTray, kIcon, WM_MOUSEMOVE, 0, false, allow, false},
        {kTray, kIcon, WM_RBUTTONDOWN, 0, false, 0, false},
        {kTray, kIcon, WM_MOUSEMOVE, 0, false, 0, false},  // none under the menu
        {kTray, kIcon, WM_RBUTTONUP, ID_TRAY_SUMMARY, true, 1, true},
        {kTray, kIcon, WM_MOUSEMOVE, 0, false, allow, false},
        {kTray, kIcon + 1, WM_LBUTTONDBLCLK, 0, false, 0, false},
        {kTray, kIcon, WM_LBUTTONDBLCLK, 0, false, 0, true},
        {kTray, kIcon, WM_RBUTTONUP, ID_TRAY_OPEN, false, 0, true},
        {kTray, kIcon, WM_RBUTTONUP, ID_TRAY_EXIT, true, 0, false}};
    for (const auto& [message, wParam, lParam, item, shownBefore, summaries, shownAfter] : steps) {
      SCOPED_TRACE(::testing::Message() << allow << " " << message << " " << lParam << " " << item);
      ::ShowWindow(window, shownBefore ? SW_SHOWNA : SW_HIDE);
      const auto before = Balloons();
      DialogScript script;
      if (item != 0) script.OnMenu([item](HWND menu) { ChooseItem(menu, item); });
      script.Run([&] { ::SendMessageW(window, message, wParam, lParam); });
      EXPECT_EQ(Balloons() - before, summaries);
      if (summaries) {  // the due summary as the controller gives it
        EXPECT_EQ(fakes_.notified.back().second.szInfo,
                  win32::WideFromGbk(Controller().List().DueSummaryText()));
      }
      EXPECT_EQ(::IsWindowVisible(window) != FALSE, shownAfter);
      EXPECT_FALSE(::IsIconic(window));
    }
    EXPECT_FALSE(::IsWindow(window)) << "the menu's \"退出\" ends the program";
    Calls made;
    for (const auto& [message, data] : fakes_.notified) {
      EXPECT_EQ(std::pair(data.hWnd, data.uID), std::pair(window, kIcon));
      if ((data.uFlags & NIF_INFO) != 0) continue;  // a balloon
      made.push_back(message);
      if (message == NIM_DELETE) continue;
      EXPECT_EQ(std::tuple(data.uFlags, data.uCallbackMessage, data.hIcon != nullptr),
                std::tuple(UINT{NIF_ICON | NIF_MESSAGE | NIF_TIP}, kTray, true));
    }
    EXPECT_EQ(made, calls);
  }
}

// ---- The window's behaviour ----------------------------------------------

class BehaviourTest : public ProgramTest {};

// Grown beyond its designed size, the window moves the right buttons and
// stretches the list and the tabs. Moved to x = 4 it docks, leaving a strip
// of 8 pixels; then each tick of timer 1 brings it back with the cursor on
// the strip and hides it again with the cursor away.
TEST_F(BehaviourTest, LaysOutAGrownWindowAndDocksAtTheLeftEdge) {
  Open("AutoHide=1;topshow=1;pos[0]=300;pos[1]=200;pos[2]=700;pos[3]=500;");
  // id, and how much of the growth goes to its left, right and bottom
  const std::tuple<int, int, int, int> anchors[] = {{IDC_SAVE_EXIT, 1, 1, 0}, {IDC_SEARCH, 1, 1, 0},
                                                    {IDC_SETTINGS, 1, 1, 0},  {IDC_LIST, 0, 1, 1},
                                                    {IDC_TABS, 0, 1, 0},      {IDC_ADD, 0, 0, 0}};
  std::vector<RECT> before;
  for (const auto& [id, left, right, bottom] : anchors)
    before.push_back(WindowRect(GetDlgItem(Main(), id)));
  RECT client{}, grown{};
  ::GetClientRect(Main(), &client);
  ::SetWindowPos(Main(), nullptr, 0, 0, 760, 540, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::GetClientRect(Main(), &grown);
  const LONG dx = grown.right - client.right, dy = grown.bottom - client.bottom;
  ASSERT_TRUE(dx > 0 && dy > 0);
  for (std::size_t i = 0; i < std::size(anchors); ++i) {
    const auto& [id, left, right, bottom] = anchors[i];
    const RECT after = WindowRect(GetDlgItem(Main(), id)), was = before[i];
    EXPECT_EQ(std::tuple(after.left - was.left, after.right - was.right, after.top - was.top,
                         after.bottom - was.bottom),
              std::tuple(left * dx, right * dx, 0L, bottom * dy))
        << id;
  }
  const LONG width = WindowRect(Main()).right - WindowRect(Main()).left;
  ::SetWindowPos(Main(), nullptr, 4, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(WindowRect(Main()).left, 8 - width);
  for (const auto& [cursor, left] : {std::pair{POINT{3, 250}, 0L}, {POINT{900, 600}, 8 - width}}) {
    ::SetCursorPos(cursor.x, cursor.y);
    ::SendMessageW(Main(), WM_TIMER, 1, 0);
    EXPECT_EQ(WindowRect(Main()).left, left) << cursor.x;
  }
}

// A work that becomes due while the window is in the tray brings the summary
// by itself, once: the reminders' timer reaches them. (What it says, and the
// colours that follow the clock, are the list's rules.)
TEST_F(BehaviourTest, ADueTimeBringsTheSummaryToTheTrayByItself) {
  Open("",
       "T=0;N=1;w=1;t=12:30;n=新番;v=3;s=1;d=2026-03-10 12:30;m=;p=;D=2026-03-11 12:30;k=;W=;c=0;");
  ::ShowWindow(Main(), SW_HIDE);
  clock_.Advance(30 * 60);
  for (int balloons : {1, 0}) {
    const auto before = Balloons();
    ::SendMessageW(Main(), WM_TIMER, ReminderFeature::kTimerId, 0);
    EXPECT_EQ(Balloons() - before, balloons);
  }
}

// ---- The settings dialog -------------------------------------------------

class SettingsTest : public ProgramTest {
 protected:
  SettingsDialog* Dialog() { return program_->Settings().Dialog(); }
};

// A click on a control of the dialog or of one of its pages.
void ClickIn(HWND dialog, int id) {
  ::SendMessageW(journey::Control(dialog, id), BM_CLICK, 0, 0);
}

// Whether the page of that tab shows (each known by a control on it).
bool PageShown(HWND dialog, int tab) {
  const int controls[] = {IDC_TOPMOST, IDC_NEXT_TIME_RULE, IDC_SEARCH_PREFIX};
  return ::IsWindowVisible(::GetParent(journey::Control(dialog, controls[tab]))) != FALSE;
}

// One dialog, modeless (the test goes on while it is open), whose pages
// follow the tabs. "最上层显示" off and a transparency of 50%, then each way
// to leave: the window shows what was applied, and the settings file keeps
// the transparency at the exit. A search prefix the
// settings file could not keep is refused: the message names the box, the
// dialog turns to "搜索" with the box focused, and nothing is applied. The
// dialog goes with the window. (Wine does not make a window topmost while a
// window it owns lies above it, so the setting is turned off here.)
TEST_F(SettingsTest, OneModelessDialogAppliesOrDropsTheChangesAndRefusesABadPrefix) {
  // a button or (0) a key, whether a bad prefix is typed, whether the dialog
  // stays open, and applies
  const std::tuple<int, WPARAM, bool, bool, bool> ways[] = {
      {IDC_APPLY, 0, false, true, true},   {IDOK, 0, false, false, true},
      {IDCANCEL, 0, false, false, false},  {0, VK_RETURN, false, false, true},
      {0, VK_ESCAPE, false, false, false}, {IDOK, 0, true, true, false}};
  for (const auto& [button, key, bad, staysOpen, applies] : ways) {
    SCOPED_TRACE(::testing::Message() << button << " " << key << " " << bad);
    Open("topshow=1;");
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), Main());
    EXPECT_EQ(OpenSettings(), dialog) << "a second \"设置\" finds the open one";
    EXPECT_EQ(::GetFocus(), List());
    for (int tab : {1, 2, 0}) {
      ::SendMessageW(journey::Control(dialog, IDC_SETTINGS_TABS), TCM_SETCURFOCUS, tab, 0);
      for (int page : {0, 1, 2}) EXPECT_EQ(PageShown(dialog, page), page == tab) << tab;
    }
    ClickIn(dialog, IDC_TOPMOST);
    HWND alpha = journey::Control(dialog, IDC_ALPHA);
    ::SendMessageW(alpha, CB_SETCURSEL, 5, 0);
    ::SendMessageW(::GetParent(alpha), WM_COMMAND, MAKEWPARAM(IDC_ALPHA, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(alpha));
    HWND prefix = journey::Control(dialog, IDC_SEARCH_PREFIX);
    if (bad) {
      ClickIn(dialog, IDC_SOURCE_CUSTOM);
      ::SetWindowTextW(prefix, L"http://a;b=");
    }
    if (button != 0) ClickIn(dialog, button);
    if (key != 0) PressKey(dialog, key);  // the focus is on "最上层显示"
    Pump();
    EXPECT_EQ(Dialog() != nullptr, staysOpen);
    EXPECT_EQ(::IsWindowVisible(dialog) != FALSE, staysOpen);
    EXPECT_EQ(HasExStyle(WS_EX_TOPMOST), !applies);
    EXPECT_EQ(HasExStyle(WS_EX_LAYERED), applies);
    ASSERT_EQ(fakes_.messages.size(), bad ? 1u : 0u);
    if (bad) {
      EXPECT_EQ(fakes_.messages[0].owner, dialog);
      EXPECT_NE(fakes_.messages[0].text.find(kSearchPrefixLabel), std::string::npos);
      EXPECT_TRUE(PageShown(dialog, 2));
      EXPECT_EQ(::GetFocus(), prefix);
    }
    ::SendMessageW(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(Saved().transparency, applies ? 5 : 0);
  }
}

// The colour a button paints near its left edge when drawn pressed.
COLORREF PressedFace(HWND button) {
  RECT rect{};
  ::GetClientRect(button, &rect);
  const DRAWITEMSTRUCT draw{ODT_BUTTON, 0,    0, ODA_DRAWENTIRE, ODS_SELECTED, button,
                            nullptr,    rect, 0};
  return DrawnAt(::GetParent(button), draw, 4, rect.bottom / 2);
}

// Each colour button paints its rule's colour. The chooser opens on it; the colour chosen shows
// at once and enables "应用", which recolours the due rows (the first work is due by its next
// time).
TEST_F(SettingsTest, AReminderColourChosenShowsOnItsButtonAndRecoloursTheList) {
  fakes_.chosenColour = RGB(10, 200, 30);
  Open();
  const ReminderSettings defaults;
  HWND dialog = OpenSettings();
  HWND page = ::GetParent(journey::Control(dialog, IDC_NEXT_TIME_COLOUR));
  const int buttons[] = {IDC_NEXT_TIME_COLOUR, IDC_WEEKDAY_COLOUR, IDC_EARLIEST_COLOUR};
  for (int rule : {0, 1, 2})
    EXPECT_EQ(PressedFace(::GetDlgItem(page, buttons[rule])),
              static_cast<COLORREF>(defaults.rules[rule].colour));
  HWND apply = ::GetDlgItem(dialog, IDC_APPLY);
  ClickIn(dialog, IDC_APPLY);  // the search prefix filled in on opening enabled it
  EXPECT_FALSE(::IsWindowEnabled(apply));
  ClickIn(dialog, IDC_NEXT_TIME_COLOUR);
  EXPECT_EQ(fakes_.offeredColours,
            std::vector<COLORREF>{static_cast<COLORREF>(defaults.rules[kNextTimeRule].colour)});
  EXPECT_EQ(PressedFace(::GetDlgItem(page, IDC_NEXT_TIME_COLOUR)), RGB(10, 200, 30));
  EXPECT_TRUE(::IsWindowEnabled(apply));
  ClickIn(dialog, IDC_APPLY);
  Pump();
  EXPECT_EQ(Controller().List().Rows()[0].colour, static_cast<int>(RGB(10, 200, 30)));
}

}  // namespace
}  // namespace mirevo::ui
