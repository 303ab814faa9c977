// The controls on the assembled program where they live: the about box and
// its links, a flat button's double click, the owner-drawn menus drawn
// through the window; pictures (the holder's refusals) and the preview popup
// (beside the window for a clicked work whose picture loads, hidden
// otherwise, following the window, and closed and made anew with the
// "preview" setting). Colours, metrics and places themselves are the look
// layer's rules; the record dialog's picture box is the dialogs test's.
#include <tuple>

#include "app/context_menu.h"
#include "look/link_colours.h"
#include "look/menu_colours.h"
#include "look/popup_placement.h"
#include "program_fixture.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/preview_popup.h"
#include "ui/controls/qx_menu.h"
#include "ui/shell/tray_icon.h"
#include "ui/win32/screen_metrics.h"

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
// links following the mouse and opening. A double click on a flat button is
// two clicks, as on a plain one.
TEST_F(LookTest, TheAboutBoxOpensFromBothMenusAndAFlatButtonTakesADoubleClick) {
  Open();
  // The low bits of a system command are the system's own.
  for (const auto& [message, wParam, lParam] :
       {std::tuple<UINT, WPARAM, LPARAM>{WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0},
        {TrayIcon::kCallbackMessage, IDR_TRAY_MENU, WM_RBUTTONUP}}) {
    DialogScript script;
    if (message != WM_SYSCOMMAND) script.OnMenu([](HWND menu) { ChooseItem(menu, ID_TRAY_ABOUT); });
    script.On("关于……", [&](HWND box) {
      HWND blog = ::GetDlgItem(box, IDC_LINK_BLOG);
      // The mouse over it: red (when it goes is the link colours' rule).
      ::SendMessageW(blog, WM_NCHITTEST, 0, 0);
      EXPECT_EQ(ColourOf(blog), kLinkHoverColour);
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
  SelectRow(1);
  const int episode = Controller().List().RecordOfRow(1).episode;
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    ::SendMessageW(::GetDlgItem(Main(), IDC_UPDATE), message,
                   message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Controller().List().RecordOfRow(1).episode, episode + 2);
}

// ---- Owner-drawn menus ---------------------------------------------------

// The context menu (on the finished tab, a work selected) and the tray menu:
// every item is the program's, measured and drawn through the window, a
// selected one filled with the selection; the context menu shows the state
// of the tab and the selection.
TEST_F(LookTest, TheContextAndTrayMenusAreDrawnThroughTheWindow) {
  Open("default_type=4;");
  SelectRow(0);
  SystemColours system{};
  system.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF selected = QxMenu::SystemLook() == MenuLook::kClassic
                                ? ClassicMenuColoursFor(system).selectedFill
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
        if ((item.fType & MFT_SEPARATOR) != 0) continue;
        const auto height = static_cast<LONG>(measure.itemHeight);
        const DRAWITEMSTRUCT draw{ODT_MENU,       0,     item.wID, ODA_DRAWENTIRE,
                                  ODS_SELECTED,   owner, nullptr,  {0, 0, 200, height},
                                  item.dwItemData};
        EXPECT_EQ(DrawnAt(Main(), draw, 1, height / 2), selected) << item.wID;
      }
      ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    script.Run([&] {
      if (tray) ::SendMessageW(Main(), TrayIcon::kCallbackMessage, IDR_TRAY_MENU, WM_RBUTTONUP);
      if (!tray) NotifyFromList(NM_RCLICK, 0);
    });
    if (!tray) {
      EXPECT_EQ(state, ContextMenuStateFor(kFinishedList, true));
    }
  }
  EXPECT_TRUE(fakes_.messages.empty() && fakes_.notified.size() == 1u) << "nothing chosen";
}

// ---- Pictures ------------------------------------------------------------

// (A picture that loads, at its natural size, is the record dialog's.)
TEST(PictureHolderTest, RefusesWhatIsNoPicture) {
  TempFolder folder;
  WriteBytes(folder.File("notes.txt"), "no picture here\r\n");
  {  // One byte over the limit, sparse: nothing of it is ever read.
    win32::FileHandle file(::CreateFileW(win32::WideFromGbk(folder.File("huge.bmp")).c_str(),
                                         GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(PictureHolder::kMaxFileBytes) + 1;
    ASSERT_TRUE(::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(file.get()));
  }
  // file -> result, whether the placeholder loaded before is still held
  const std::tuple<std::string, PictureLoad, bool> cases[] = {
      {folder.File("notes.txt"), PictureLoad::kNotAPicture, false},
      {folder.File("huge.bmp"), PictureLoad::kTooLarge, true},
      {folder.File("missing.bmp"), PictureLoad::kCannotOpen, true}};
  for (const auto& [path, load, kept] : cases) {
    PictureHolder holder;
    ASSERT_EQ(holder.LoadResource(IDB_NO_PICTURE), PictureLoad::kLoaded);
    EXPECT_EQ(holder.LoadFile(path), load) << path;
    EXPECT_EQ(!holder.Empty(), kept) << path;
  }
}

// ---- The preview popup ---------------------------------------------------

class PreviewTest : public ProgramTest {
 protected:
  PreviewPopup* Popup() { return program_->Preview().Popup(); }
  bool Shown() { return Popup() != nullptr && Popup()->Visible(); }
  void Click(int row) {
    SelectRow(row);
    NotifyFromList(NM_CLICK, row);
  }

  // The popup stands where the placement rule puts it for the row.
  void ExpectPlacedFor(int row) {
    POINT corner{};
    ::SendMessageW(List(), LVM_GETITEMPOSITION, row, reinterpret_cast<LPARAM>(&corner));
    const RECT window = WindowRect(Main()), popup = WindowRect(Popup()->Hwnd());
    EXPECT_EQ(PlacePreviewPopup({window.left, window.top, window.right, window.bottom}, corner.y,
                                win32::ScreenDpi()),
              (Point{popup.left, popup.top}));
  }

  // "设置": a click on "启用预览图", then "确定".
  void TogglePreview() {
    HWND dialog = OpenSettings();
    ::SendMessageW(journey::Control(dialog, IDC_PREVIEW), BM_CLICK, 0, 0);
    ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    Pump();
  }
};

// Made for the first picture, shown beside the window for a picture that
// loads and hidden otherwise, with the keyboard left on the list; it follows
// the window. "启用预览图" off closes it, on makes it anew. (It goes with the
// window as every window the main window owns does.)
TEST_F(PreviewTest, ShownBesideTheWindowOnlyForAPictureThatLoadsAndFollowsIt) {
  // Four works: a picture, none, a file that is no picture, a missing file.
  WriteBytes(folder_.File("notes.txt"), "not a picture");
  std::string data;
  for (const std::string& picture : {DataFile("picture.bmp"), std::string(),
                                     folder_.File("notes.txt"), folder_.File("missing.jpg")}) {
    data += "T=0;N=" + std::to_string(data.size()) +
            ";w=1;t=20:00;n=作品;v=3;s=1;d=2026-03-08 20:00;m=;p=" + picture + ";D=;k=;W=;c=0;";
  }
  Open("", data);
  EXPECT_EQ(Popup(), nullptr);
  for (const auto& [row, shown] :
       {std::pair{0, true}, {1, false}, {0, true}, {2, false}, {0, true}, {3, false}}) {
    Click(row);
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(Shown(), shown) << row;
    if (shown) ExpectPlacedFor(row);
    EXPECT_EQ(::GetFocus(), List()) << row;
  }
  Click(0);
  ::SetWindowPos(Main(), nullptr, 420, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectPlacedFor(0);
  const HWND first = Popup()->Hwnd();
  TogglePreview();  // off
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_FALSE(::IsWindow(first));
  Click(0);
  EXPECT_EQ(Popup(), nullptr);
  TogglePreview();  // on
  Click(0);
  EXPECT_TRUE(Shown());
}

}  // namespace
}  // namespace mirevo::ui
