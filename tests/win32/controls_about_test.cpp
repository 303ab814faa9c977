// The about box from the system menu and the tray menu; its links coloured
// and opened through the shell service.
#include "controls_fakes.h"
#include "ui/controls/static_link.h"

namespace mirevo::ui::testing {
namespace {

class AboutTest : public ProgramTest {};

TEST_F(AboutTest, OpensFromBothMenusAndItsLinksOpenThroughTheShellService) {
  Open({});
  const std::pair<UINT, WPARAM> opens[] = {
      {WM_SYSCOMMAND, IDM_ABOUTBOX},
      {WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3},  // the low bits are the system's own
      {WM_COMMAND, ID_TRAY_ABOUT}};
  for (const auto& [message, command] : opens) {
    EXPECT_TRUE(WhenShown(
        "关于……",
        [&](HWND box) {
          EXPECT_EQ(win32::ReadWideText(::GetDlgItem(box, IDOK)), L"确定");
          for (int link : {IDC_LINK_BLOG, IDC_LINK_DOWNLOAD, IDC_LINK_GUESTBOOK})
            ::SendMessageW(::GetDlgItem(box, link), WM_LBUTTONDOWN, MK_LBUTTON, 0);
          // Opened: purple.
          HDC dc = ::GetDC(box);
          ::SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(::GetDlgItem(box, IDC_LINK_BLOG)));
          EXPECT_EQ(::GetTextColor(dc), kLinkVisitedColour);
          ::ReleaseDC(box, dc);
          ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        [&] { ::SendMessageW(Main(), message, command, 0); }));
  }
  ASSERT_EQ(fakes_.links.size(), 9u);
  EXPECT_EQ(fakes_.links[0], "https://mirevo.example.org/blog");
  EXPECT_EQ(fakes_.links[1], "https://mirevo.example.org/download");
  EXPECT_EQ(fakes_.links[2], "https://mirevo.example.org/guestbook");
  EXPECT_TRUE(fakes_.opened.empty());
}

TEST(StaticLinkTest, TargetsColoursAndTheLeavingTimer) {
  static const bool initialised = win32::InitCommonControlsForApp();
  (void)initialised;
  FakeServices fakes;
  win32::Dialog dialog(IDD_ABOUTBOX);  // the statics, without links yet
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND icon = nullptr, version = nullptr;
  for (HWND child = ::GetWindow(dialog.Hwnd(), GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if ((::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = child;
    if (win32::ReadWideText(child) == L"Mirevo 0.22 版") version = child;
  }
  ASSERT_TRUE(icon && version);
  StaticLink onIcon(fakes), onVersion(fakes), withTarget(fakes, "https://mirevo.example.org/");
  ASSERT_TRUE(onIcon.Attach(icon) && onVersion.Attach(version) &&
              withTarget.Attach(::GetDlgItem(dialog.Hwnd(), IDC_LINK_BLOG)));
  const auto colourOf = [&](HWND control) {
    HDC dc = ::GetDC(dialog.Hwnd());
    const LRESULT brush =
        ::SendMessageW(dialog.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control));
    const COLORREF text = ::GetTextColor(dc);
    ::ReleaseDC(dialog.Hwnd(), dc);
    return brush == reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH)) ? text : CLR_NONE;
  };
  // An icon keeps its own colours; a text is a blue link.
  EXPECT_EQ(colourOf(icon), CLR_NONE);
  EXPECT_EQ(colourOf(version), kLinkColour);

  // No target and no string: the text is opened; a failure only beeps.
  fakes.linkSucceeds = false;
  ::SendMessageW(version, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  fakes.linkSucceeds = true;
  ::SendMessageW(withTarget.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(fakes.links,
            (std::vector<std::string>{"Mirevo 0.22 版", "https://mirevo.example.org/"}));
  EXPECT_EQ(onVersion.CurrentColour(), kLinkColour);
  EXPECT_EQ(withTarget.CurrentColour(), kLinkVisitedColour);

  // The mouse over it: red and one timer, however often it is seen; the
  // timer finds the mouse gone (the point of the last queued message).
  for (int i = 0; i < 2; ++i) ::SendMessageW(version, WM_NCHITTEST, 0, 0);
  EXPECT_TRUE(onVersion.TimerRunning());
  EXPECT_EQ(colourOf(version), kLinkHoverColour);
  ::SetCursorPos(1000, 740);
  ::PostMessageW(dialog.Hwnd(), WM_NULL, 0, 0);
  Pump();
  ::SendMessageW(version, WM_TIMER, kLinkTimerId, 0);
  EXPECT_FALSE(onVersion.TimerRunning());
  EXPECT_EQ(colourOf(version), kLinkColour);
}

}  // namespace
}  // namespace mirevo::ui::testing
