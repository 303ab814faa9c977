// The preview popup on the assembled program: shown beside the window for a
// clicked work with a picture, hidden for one without, following the
// window, and closed and made anew as the "preview" setting changes.
#include "controls_fakes.h"
#include "look/popup_placement.h"
#include "ui/controls/preview_popup.h"
#include "ui/win32/screen_metrics.h"

namespace mirevo::ui::testing {
namespace {

class PreviewTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    WriteData({{0, "有图", DataFile("picture.bmp")},
               {0, "无图", ""},
               {0, "坏图", folder_.File("notes.txt")},
               {0, "缺图", folder_.File("missing.jpg")}});
    mirevo::testing::WriteBytes(folder_.File("notes.txt"), "not a picture");
  }

  PreviewPopup* Popup() const { return program_->Preview().Popup(); }
  bool Shown() const { return Popup() != nullptr && Popup()->Visible(); }

  // Where the popup must stand for a row, by the placement rule.
  POINT Expected(int row) const {
    POINT corner{};
    ::SendMessageW(List(), LVM_GETITEMPOSITION, row, reinterpret_cast<LPARAM>(&corner));
    RECT window{};
    ::GetWindowRect(Main(), &window);
    const Point place = PlacePreviewPopup({window.left, window.top, window.right, window.bottom},
                                          corner.y, win32::ScreenDpi());
    return {place.x, place.y};
  }
  POINT PopupCorner() const {
    RECT rect{};
    ::GetWindowRect(Popup()->Hwnd(), &rect);
    return {rect.left, rect.top};
  }

  // "设置", the general page's "启用预览图" set as asked, then "确定".
  void SwitchPreview(bool on) {
    ::SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(IDC_SETTINGS, BN_CLICKED), 0);
    SettingsDialog* dialog = program_->Settings().Dialog();
    ASSERT_NE(dialog, nullptr);
    HWND box = FindDescendant(dialog->Hwnd(), IDC_PREVIEW);
    ASSERT_NE(box, nullptr);
    if ((::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
      ::SendMessageW(box, BM_CLICK, 0, 0);
    ::SendMessageW(dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    Pump();
  }
};

TEST_F(PreviewTest, ShowsBesideTheWindowOnlyForAPictureThatLoads) {
  Open();
  EXPECT_EQ(Popup(), nullptr);  // made on the first picture
  struct Step {
    int row;
    bool shown;
  };
  const Step steps[] = {{0, true}, {1, false}, {0, true}, {2, false}, {0, true}, {3, false}};
  for (const Step& step : steps) {
    ClickRow(step.row);
    ASSERT_NE(Popup(), nullptr) << "row " << step.row;
    EXPECT_EQ(Shown(), step.shown) << "row " << step.row;
    if (step.shown) {
      const POINT expected = Expected(step.row);
      EXPECT_EQ(PopupCorner().x, expected.x) << "row " << step.row;
      EXPECT_EQ(PopupCorner().y, expected.y) << "row " << step.row;
      EXPECT_EQ(Popup()->Box().Picture().NaturalSize().cx, 40);
    }
    // The keyboard goes back to the list.
    EXPECT_EQ(::GetFocus(), List()) << "row " << step.row;
  }
}

TEST_F(PreviewTest, FollowsTheWindowAndIsDraggedByItsPicture) {
  Open();
  ClickRow(0);
  ASSERT_TRUE(Shown());
  ::SetWindowPos(Main(), nullptr, 380, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const POINT expected = Expected(0);
  EXPECT_EQ(PopupCorner().x, expected.x);
  EXPECT_EQ(PopupCorner().y, expected.y);
  RECT popup{};
  ::GetWindowRect(Popup()->Hwnd(), &popup);
  const LPARAM centre = MAKELPARAM((popup.left + popup.right) / 2, (popup.top + popup.bottom) / 2);
  EXPECT_EQ(::SendMessageW(Popup()->Hwnd(), WM_NCHITTEST, 0, centre), HTCAPTION);
}

TEST_F(PreviewTest, TransparentAsTheSettingAndNothingWithThePreviewOff) {
  WriteSettings("alpha=5;preview=0;");
  Open();
  ClickRow(0);
  EXPECT_EQ(Popup(), nullptr);
  SwitchPreview(true);
  ClickRow(0);
  ASSERT_TRUE(Shown());
  EXPECT_NE(::GetWindowLongPtrW(Popup()->Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(Popup()->Hwnd(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
}

TEST_F(PreviewTest, SwitchingThePreviewOffClosesItAndOnMakesItAnew) {
  Open();
  ClickRow(0);
  ASSERT_TRUE(Shown());
  const HWND first = Popup()->Hwnd();
  SwitchPreview(false);
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_FALSE(::IsWindow(first));
  ClickRow(0);
  EXPECT_EQ(Popup(), nullptr);
  SwitchPreview(true);
  ClickRow(0);
  ASSERT_TRUE(Shown());
}

TEST_F(PreviewTest, GoesWithTheWindow) {
  Open();
  ClickRow(0);
  ASSERT_TRUE(Shown());
  const HWND popup = Popup()->Hwnd();
  ::DestroyWindow(Main());
  EXPECT_FALSE(::IsWindow(popup));
}

}  // namespace
}  // namespace mirevo::ui::testing
