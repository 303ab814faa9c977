// The about box: opened from the system menu and the tray menu, its links
// coloured and opened through the shell service.
#include "controls_fakes.h"
#include "ui/controls/about_dialog.h"
#include "ui/controls/static_link.h"

namespace mirevo::ui::testing {
namespace {

constexpr char kAboutTitle[] = "关于……";

class AboutTest : public ProgramTest {
 protected:
  // Runs what opens the box; act runs on the open box, then it is closed
  // with "确定". Returns whether the box opened.
  bool WithAboutBox(const std::function<void()>& open, const std::function<void(HWND)>& act) {
    bool opened = false;
    ModalScript script;
    script.OnDialog(kAboutTitle, [&](HWND box) {
      opened = true;
      act(box);
      PostCommand(box, IDOK);
    });
    script.Run(open);
    return opened;
  }
};

TEST_F(AboutTest, OpensFromTheSystemMenuAndTheTrayMenu) {
  WriteData({});
  Open();
  const std::function<void()> opens[] = {
      [&] { ::SendMessageW(Main(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
      // The low four bits of a system command are the system's own.
      [&] { ::SendMessageW(Main(), WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0); },
      [&] { ::SendMessageW(Main(), WM_COMMAND, ID_TRAY_ABOUT, 0); },
  };
  for (const auto& open : opens) {
    std::wstring version;
    EXPECT_TRUE(WithAboutBox(open, [&](HWND box) {
      for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (win32::ReadWideText(child).starts_with(L"Mirevo 0"))
          version = win32::ReadWideText(child);
    }));
    EXPECT_EQ(version, L"Mirevo 0.22 版");
  }
  // The system menu carries the entry that opens it.
  HMENU system = ::GetSystemMenu(Main(), FALSE);
  wchar_t text[64] = {};
  ::GetMenuStringW(system, IDM_ABOUTBOX, text, 64, MF_BYCOMMAND);
  EXPECT_STREQ(text, L"关于 Mirevo v0.22(&A)...");
}

TEST_F(AboutTest, LinksOpenTheirTargetsThroughTheShellService) {
  WriteData({});
  Open();
  struct Link {
    int id;
    const char* target;
  };
  const Link links[] = {{IDC_LINK_BLOG, "https://mirevo.example.org/blog"},
                        {IDC_LINK_DOWNLOAD, "https://mirevo.example.org/download"},
                        {IDC_LINK_GUESTBOOK, "https://mirevo.example.org/guestbook"}};
  std::vector<COLORREF> colours;
  WithAboutBox(
      [&] { ::SendMessageW(Main(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
      [&](HWND box) {
        for (const Link& link : links) {
          HWND control = ::GetDlgItem(box, link.id);
          EXPECT_TRUE(win32::ReadWideText(control).ends_with(win32::WideFromGbk(link.target)))
              << link.target;
          ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        }
        // A visited link is purple.
        HDC dc = ::GetDC(box);
        ::SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, IDC_LINK_BLOG)));
        colours.push_back(::GetTextColor(dc));
        ::ReleaseDC(box, dc);
      });
  ASSERT_EQ(fakes_.shell.links.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(fakes_.shell.links[i], links[i].target);
  EXPECT_TRUE(fakes_.shell.opened.empty());
  ASSERT_EQ(colours.size(), 1u);
  EXPECT_EQ(colours[0], RGB(128, 0, 128));
}

// A link on a static of the program's own dialog, outside the about box.
class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool initialised = win32::InitCommonControlsForApp();
    (void)initialised;
    ASSERT_TRUE(dialog_.CreateModeless(nullptr));
  }

  struct ColourAnswer {
    LRESULT brush;
    COLORREF text;
  };
  ColourAnswer ColourOf(HWND control) {
    HDC dc = ::GetDC(dialog_.Hwnd());
    ::SetTextColor(dc, RGB(1, 2, 3));
    const LRESULT brush =
        ::SendMessageW(dialog_.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control));
    const COLORREF text = ::GetTextColor(dc);
    ::ReleaseDC(dialog_.Hwnd(), dc);
    return {brush, text};
  }

  FakeServices fakes_;
  // The about box as a plain dialog: its statics without links yet.
  win32::Dialog dialog_{IDD_ABOUTBOX};
};

TEST_F(LinkTest, WithoutTargetOrStringTheTextIsOpenedAndABeepIsAllOnFailure) {
  // The version line has no string of its own (IDC_STATIC).
  HWND version = nullptr;
  for (HWND child = ::GetWindow(dialog_.Hwnd(), GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT))
    if (win32::ReadWideText(child) == L"Mirevo 0.22 版") version = child;
  ASSERT_NE(version, nullptr);
  StaticLink link(fakes_.shell);
  ASSERT_TRUE(link.Attach(version));
  fakes_.shell.linkSucceeds = false;
  ::SendMessageW(version, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ASSERT_EQ(fakes_.shell.links.size(), 1u);
  EXPECT_EQ(fakes_.shell.links[0], "Mirevo 0.22 版");
  EXPECT_EQ(link.CurrentColour(), kLinkColour);  // a failed open changes nothing

  StaticLink set(fakes_.shell, "https://mirevo.example.org/");
  ASSERT_TRUE(set.Attach(::GetDlgItem(dialog_.Hwnd(), IDC_LINK_BLOG)));
  fakes_.shell.linkSucceeds = true;
  ::SendMessageW(set.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(fakes_.shell.links.back(), "https://mirevo.example.org/");
  EXPECT_EQ(set.CurrentColour(), kLinkVisitedColour);
}

TEST_F(LinkTest, TextsTakeTheLinkColoursIconsKeepTheirOwn) {
  HWND icon = nullptr;
  for (HWND child = ::GetWindow(dialog_.Hwnd(), GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT))
    if ((::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = child;
  ASSERT_NE(icon, nullptr);
  HWND text = ::GetDlgItem(dialog_.Hwnd(), IDC_LINK_GUESTBOOK);
  StaticLink iconLink(fakes_.shell);
  StaticLink textLink(fakes_.shell);
  ASSERT_TRUE(iconLink.Attach(icon));
  ASSERT_TRUE(textLink.Attach(text));

  const ColourAnswer onIcon = ColourOf(icon);
  EXPECT_NE(onIcon.brush, reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH)));
  EXPECT_NE(onIcon.text, kLinkColour);
  const ColourAnswer onText = ColourOf(text);
  EXPECT_EQ(onText.brush, reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH)));
  EXPECT_EQ(onText.text, kLinkColour);

  // The mouse over it: red and the timer, once however often it is seen.
  for (int i = 0; i < 2; ++i) ::SendMessageW(text, WM_NCHITTEST, 0, 0);
  EXPECT_TRUE(textLink.TimerRunning());
  EXPECT_EQ(ColourOf(text).text, kLinkHoverColour);
  // The cursor is far from it when the timer looks (the timer reads the
  // point of the last message taken from the queue).
  ::SetCursorPos(1000, 740);
  ::PostMessageW(dialog_.Hwnd(), WM_NULL, 0, 0);
  Pump();
  ::SendMessageW(text, WM_TIMER, kLinkTimerId, 0);
  EXPECT_FALSE(textLink.TimerRunning());
  EXPECT_EQ(ColourOf(text).text, kLinkColour);
}

}  // namespace
}  // namespace mirevo::ui::testing
