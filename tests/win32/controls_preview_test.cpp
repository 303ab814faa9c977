// The preview popup on the assembled program: beside the window for a
// clicked work whose picture loads, hidden otherwise, following the window,
// transparent, and closed and made anew with the "preview" setting.
#include "controls_fakes.h"
#include "look/popup_placement.h"
#include "ui/controls/preview_popup.h"
#include "ui/win32/screen_metrics.h"

namespace mirevo::ui::testing {
namespace {

class PreviewTest : public ProgramTest {
 protected:
  void Open(const std::string& settings = "") {
    mirevo::testing::WriteBytes(folder_.File("notes.txt"), "not a picture");
    ProgramTest::Open({{0, "有图", DataFile("picture.bmp")},
                       {0, "无图", ""},
                       {0, "坏图", folder_.File("notes.txt")},
                       {0, "缺图", folder_.File("missing.jpg")}},
                      settings);
  }
  PreviewPopup* Popup() const { return program_->Preview().Popup(); }
  bool Shown() const { return Popup() != nullptr && Popup()->Visible(); }

  // The popup stands where the placement rule puts it for the row.
  void ExpectPlacedFor(int row) {
    POINT corner{};
    ::SendMessageW(List(), LVM_GETITEMPOSITION, row, reinterpret_cast<LPARAM>(&corner));
    RECT window{}, popup{};
    ::GetWindowRect(Main(), &window);
    ::GetWindowRect(Popup()->Hwnd(), &popup);
    EXPECT_EQ(PlacePreviewPopup({window.left, window.top, window.right, window.bottom}, corner.y,
                                win32::ScreenDpi()),
              (Point{popup.left, popup.top}));
    EXPECT_LT(popup.right, window.left);  // beside the window, not over it
  }

  // "设置": "启用预览图" as asked, then "确定".
  void SwitchPreview(bool on) {
    Command(IDC_SETTINGS);
    HWND dialog = program_->Settings().Dialog()->Hwnd();
    HWND box = FindDescendant(dialog, IDC_PREVIEW);
    if ((::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
      ::SendMessageW(box, BM_CLICK, 0, 0);
    ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    Pump();
  }
};

TEST_F(PreviewTest, ShownBesideTheWindowOnlyForAPictureThatLoads) {
  Open();
  EXPECT_EQ(Popup(), nullptr);  // made for the first picture
  for (const auto& [row, shown] :
       {std::pair{0, true}, {1, false}, {0, true}, {2, false}, {0, true}, {3, false}}) {
    Notify(NM_CLICK, row);
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(Shown(), shown) << row;
    if (shown) ExpectPlacedFor(row);
    EXPECT_EQ(::GetFocus(), List()) << row;  // the keyboard stays with the list
  }
  // It follows the window, and a drag anywhere on it moves it.
  Notify(NM_CLICK, 0);
  ::SetWindowPos(Main(), nullptr, 420, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectPlacedFor(0);
  RECT popup{};
  ::GetWindowRect(Popup()->Hwnd(), &popup);
  EXPECT_EQ(
      ::SendMessageW(Popup()->Hwnd(), WM_NCHITTEST, 0, MAKELPARAM(popup.left + 50, popup.top + 50)),
      HTCAPTION);
  // It goes with the window.
  const HWND shownPopup = Popup()->Hwnd();
  ::DestroyWindow(Main());
  EXPECT_FALSE(::IsWindow(shownPopup));
}

TEST_F(PreviewTest, ClosedWithThePreviewOffMadeAnewWhenOnAndTransparent) {
  Open("alpha=5;");
  Notify(NM_CLICK, 0);
  ASSERT_TRUE(Shown());
  BYTE alpha = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(Popup()->Hwnd(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 128);
  const HWND first = Popup()->Hwnd();
  SwitchPreview(false);
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_FALSE(::IsWindow(first));
  Notify(NM_CLICK, 0);
  EXPECT_EQ(Popup(), nullptr);
  SwitchPreview(true);
  Notify(NM_CLICK, 0);
  EXPECT_TRUE(Shown());
}

}  // namespace
}  // namespace mirevo::ui::testing
