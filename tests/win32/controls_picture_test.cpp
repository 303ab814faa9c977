// Pictures: decoding and the holder's refusals, and the preview popup on the
// assembled program (beside the window for a clicked work whose picture
// loads, hidden otherwise, following the window, transparent, and closed and
// made anew with the "preview" setting). The record dialog's picture box is
// the dialogs test's.
#include <tuple>

#include "look/popup_placement.h"
#include "program_fixture.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/preview_popup.h"
#include "ui/win32/screen_metrics.h"

namespace mirevo::ui {
namespace {

using namespace mirevo::testing;

// The placeholder's natural width.
constexpr LONG kPlaceholderWidth = 132;

TEST(PictureHolderTest, DecodesAtNaturalSizeAndRefusesWhatIsNoPicture) {
  for (const auto& [name, width, height] :
       {std::tuple{"picture.bmp", 40, 30}, {"picture.jpg", 64, 48}, {"picture.gif", 50, 25}}) {
    PictureHolder holder;
    const PictureLoad load = holder.LoadFile(DataFile(name));
    EXPECT_EQ(std::tuple(load, holder.NaturalSize().cx, holder.NaturalSize().cy),
              std::tuple(PictureLoad::kLoaded, width, height))
        << name;
  }
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
    EXPECT_EQ(holder.NaturalSize().cx, kPlaceholderWidth);
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

  // "设置": "启用预览图" as asked, then "确定".
  void SwitchPreview(bool on) {
    HWND dialog = OpenSettings();
    HWND box = journey::Control(dialog, IDC_PREVIEW);
    if ((::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
      ::SendMessageW(box, BM_CLICK, 0, 0);
    ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    Pump();
  }
};

// Made for the first picture, shown beside the window for a picture that
// loads and hidden otherwise, with the keyboard left on the list; it follows
// the window, is dragged by any point, and is as transparent as the window.
// "启用预览图" off closes it, on makes it anew; it goes with the window.
TEST_F(PreviewTest, ShownBesideTheWindowOnlyForAPictureThatLoadsFollowsItAndGoesWithIt) {
  // Four works: a picture, none, a file that is no picture, a missing file.
  WriteBytes(folder_.File("notes.txt"), "not a picture");
  std::string data;
  for (const std::string& picture : {DataFile("picture.bmp"), std::string(),
                                     folder_.File("notes.txt"), folder_.File("missing.jpg")}) {
    data += "T=0;N=" + std::to_string(data.size()) +
            ";w=1;t=20:00;n=作品;v=3;s=1;d=2026-03-08 20:00;m=;p=" + picture + ";D=;k=;W=;c=0;";
  }
  Open("alpha=5;", data);
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
  const RECT popup = WindowRect(Popup()->Hwnd());
  EXPECT_EQ(
      ::SendMessageW(Popup()->Hwnd(), WM_NCHITTEST, 0, MAKELPARAM(popup.left + 9, popup.top + 9)),
      HTCAPTION);
  BYTE alpha = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(Popup()->Hwnd(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 128);
  const HWND first = Popup()->Hwnd();
  SwitchPreview(false);
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_FALSE(::IsWindow(first));
  Click(0);
  EXPECT_EQ(Popup(), nullptr);
  SwitchPreview(true);
  Click(0);
  ASSERT_TRUE(Shown());
  const HWND shownPopup = Popup()->Hwnd();
  ::DestroyWindow(Main());
  EXPECT_FALSE(::IsWindow(shownPopup));
}

}  // namespace
}  // namespace mirevo::ui
