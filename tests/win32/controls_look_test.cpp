// The controls that give the program its look, on the assembled program
// where they live: the about box and its links, the main window's flat
// buttons (the settings dialog's are the shell test's), and the owner-drawn
// menus drawn through the window. Colours and metrics themselves are the
// look layer's rules.
#include "app/context_menu.h"
#include "look/menu_colours.h"
#include "program_fixture.h"
#include "ui/controls/qx_menu.h"
#include "ui/controls/static_link.h"
#include "ui/shell/tray_icon.h"

namespace mirevo::ui {
namespace {

using namespace mirevo::testing;

class LookTest : public ProgramTest {};

// The text colour the dialog gives a static, or CLR_NONE when its answer is
// not the link's hollow brush.
COLORREF ColourOf(HWND control) {
  HWND parent = ::GetParent(control);
  HDC dc = ::GetDC(parent);
  const LRESULT brush = ::SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(control));
  const COLORREF text = ::GetTextColor(dc);
  ::ReleaseDC(parent, dc);
  return brush == reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH)) ? text : CLR_NONE;
}

// The about box opens from the system menu and the tray menu, with its
// links following the mouse and opening. The main window's buttons are flat
// (as every dialog's); a double click is two clicks, as on a plain button.
TEST_F(LookTest, TheAboutBoxOpensFromBothMenusAndTheButtonsAreFlat) {
  Open();
  // The low bits of a system command are the system's own.
  for (const auto& [message, wParam, lParam] :
       {std::tuple<UINT, WPARAM, LPARAM>{WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0},
        {TrayIcon::kCallbackMessage, IDR_TRAY_MENU, WM_RBUTTONUP}}) {
    DialogScript script;
    if (message != WM_SYSCOMMAND) script.OnMenu([](HWND menu) { ChooseItem(menu, ID_TRAY_ABOUT); });
    script.On("关于……", [&](HWND box) {
      HWND blog = ::GetDlgItem(box, IDC_LINK_BLOG);
      auto* link = dynamic_cast<StaticLink*>(win32::Control::FromHandle(blog));
      ASSERT_NE(link, nullptr);
      // The mouse over it: red, and a timer that finds the mouse gone (the
      // point of the last queued message).
      ::SendMessageW(blog, WM_NCHITTEST, 0, 0);
      EXPECT_TRUE(link->TimerRunning());
      EXPECT_EQ(ColourOf(blog), kLinkHoverColour);
      ::SetCursorPos(1000, 740);
      ::PostMessageW(box, WM_NULL, 0, 0);
      Pump();
      ::SendMessageW(blog, WM_TIMER, kLinkTimerId, 0);
      EXPECT_EQ(ColourOf(blog), kLinkColour);
      for (int id : {IDC_LINK_BLOG, IDC_LINK_DOWNLOAD, IDC_LINK_GUESTBOOK})
        ::SendMessageW(::GetDlgItem(box, id), WM_LBUTTONDOWN, MK_LBUTTON, 0);
      EXPECT_EQ(ColourOf(blog), kLinkVisitedColour);
      Click(box, IDOK);
    });
    script.Run([&] { ::SendMessageW(Main(), message, wParam, lParam); });
  }
  std::string opened;
  for (const auto& link : fakes_.links)
    opened += link.address.substr(link.address.rfind('/') + 1) + " ";
  EXPECT_EQ(opened, "blog download guestbook blog download guestbook ");
  EXPECT_EQ(CountFlatButtons(Main()), 8);
  SelectRow(1);
  const int episode = Controller().List().RecordOfRow(1).episode;
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    ::SendMessageW(::GetDlgItem(Main(), IDC_UPDATE), message,
                   message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
  }
  EXPECT_EQ(Controller().List().RecordOfRow(1).episode, episode + 2);
}

// ---- Owner-drawn menus ---------------------------------------------------

// The context menu (on the finished tab, a work selected) and the tray menu:
// every item is the program's, measured and drawn through the window, a
// selected one filled with the selection, a separator etched along its top
// in the classic look; the context menu shows the state of the tab and the
// selection.
TEST_F(LookTest, TheContextAndTrayMenusAreDrawnThroughTheWindow) {
  Open("default_type=4;");
  SelectRow(0);
  SystemColours system{};
  system.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  const bool classic = QxMenu::SystemLook() == MenuLook::kClassic;
  const COLORREF selected = classic ? ClassicMenuColoursFor(system).selectedFill
                                    : XpMenuColoursFor(system, true).selectedFill;
  for (bool tray : {false, true}) {
    ContextMenuState state{};
    DialogScript script;
    script.OnMenu([&](HWND window) {
      auto menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
      auto owner = reinterpret_cast<HWND>(menu);  // what a menu's draw item names
      const auto enabled = [&](UINT id) { return (::GetMenuState(menu, id, 0) & MF_GRAYED) == 0; };
      state = {
          enabled(ID_MENU_UPDATE), enabled(ID_MENU_EDIT),
          enabled(ID_MENU_FINISH), enabled(ID_MENU_ADD),
          enabled(ID_MENU_DELETE), (::GetMenuState(menu, ID_MENU_FINISH, 0) & MF_CHECKED) != 0};
      for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
        ::GetMenuItemInfoW(menu, position, TRUE, &item);
        EXPECT_NE(item.fType & MFT_OWNERDRAW, 0u) << item.wID;
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.wID, 0, 0, item.dwItemData};
        EXPECT_EQ(::SendMessageW(Main(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
                  TRUE);
        const auto height = static_cast<LONG>(measure.itemHeight);
        const bool separator = (item.fType & MFT_SEPARATOR) != 0;
        const UINT drawn = separator ? 0u : ODS_SELECTED;
        const DRAWITEMSTRUCT draw{ODT_MENU,       0,     item.wID, ODA_DRAWENTIRE,
                                  drawn,          owner, nullptr,  {0, 0, 200, height},
                                  item.dwItemData};
        if (!separator) {
          EXPECT_EQ(DrawnAt(Main(), draw, 1, height / 2), selected) << item.wID;
        } else if (classic) {  // etched along the top
          EXPECT_EQ(DrawnAt(Main(), draw, 100, 0), ::GetSysColor(COLOR_BTNSHADOW));
          EXPECT_EQ(DrawnAt(Main(), draw, 100, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        }
      }
      ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    script.Run([&] {
      if (tray) ::SendMessageW(Main(), TrayIcon::kCallbackMessage, IDR_TRAY_MENU, WM_RBUTTONUP);
      if (!tray) NotifyFromList(NM_RCLICK, 0);
    });
    if (!tray) EXPECT_EQ(state, ContextMenuStateFor(kFinishedList, true));
  }
  EXPECT_TRUE(fakes_.messages.empty() && fakes_.notified.size() == 1u) << "nothing chosen";
}

}  // namespace
}  // namespace mirevo::ui
