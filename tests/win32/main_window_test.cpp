// The main window as the program assembles it (program_fixture.h): its start
// from the settings and the data file; its buttons, keys, list notifications
// and menu items reaching their commands; what a command asks of the window
// (a dialog, a question, a tab, an address, new rows) carried out, checked
// against the controller's rows; the ways out, a session's end among them;
// and the time zone it starts with. (Two real copies of the program are the
// journey's.)
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "program_fixture.h"

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
    if (left >= 0)
      EXPECT_EQ(std::pair(WindowRect(Main()).left, WindowRect(Main()).top), std::pair(left, top));
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
  EXPECT_EQ(::SendMessageW(Main(), WM_QUERYDRAGICON, 0, 0),
            reinterpret_cast<LRESULT>(Window().BigIcon()));
  EXPECT_NE(::SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0), 0);
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
    for (const auto& question : fakes_.messages) {
      EXPECT_EQ(question.buttons, win32::MessageButtons::kYesNoCancel);
      EXPECT_EQ(question.owner, window);
    }
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

}  // namespace
}  // namespace mirevo::ui
