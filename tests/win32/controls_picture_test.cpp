// Decoding pictures, the holder's refusals, the box's painting and the
// record dialog's placeholder.
#include "controls_fakes.h"
#include "ui/controls/picture_box.h"
#include "ui/main/record_dialog.h"

namespace mirevo::ui::testing {
namespace {

TEST(PictureHolderTest, DecodesAtNaturalSizeAndRefusesWhatIsNoPicture) {
  for (const TestPicture& picture : kTestPictures) {
    PictureHolder holder;
    EXPECT_EQ(holder.LoadFile(DataFile(picture.name)), PictureLoad::kLoaded) << picture.name;
    EXPECT_EQ(holder.NaturalSize().cx, picture.width) << picture.name;
    EXPECT_EQ(holder.NaturalSize().cy, picture.height) << picture.name;
  }
  mirevo::testing::TempFolder folder;
  mirevo::testing::WriteBytes(folder.File("notes.txt"), "no picture here\r\n");
  mirevo::testing::WriteBytes(folder.File("empty.bmp"), "");
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
      {folder.File("empty.bmp"), PictureLoad::kNotAPicture, false},
      {folder.File("huge.bmp"), PictureLoad::kTooLarge, true},
      {folder.File("missing.bmp"), PictureLoad::kCannotOpen, true},
      {"", PictureLoad::kCannotOpen, true}};
  for (const auto& [path, load, kept] : cases) {
    PictureHolder holder;
    ASSERT_EQ(holder.LoadResource(IDB_NO_PICTURE), PictureLoad::kLoaded);
    EXPECT_EQ(holder.NaturalSize().cx, kPlaceholderSize.cx);
    EXPECT_EQ(holder.LoadFile(path), load) << path;
    EXPECT_EQ(!holder.Empty(), kept) << path;
  }
  EXPECT_EQ(PictureHolder().LoadResource(9999), PictureLoad::kCannotOpen);
}

TEST(PictureBoxTest, PaintsThePictureFittedOnBlack) {
  // 50 × 25 in a 120 × 120 box: wider than 4:3, so full width, 60 high,
  // centred, with black bands above and below.
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 120, 120, nullptr, nullptr,
                                  win32::AppInstance(), nullptr);
  {
    PictureBox box;
    ASSERT_TRUE(box.Attach(window));
    ASSERT_EQ(box.LoadFile(DataFile("picture.gif")), PictureLoad::kLoaded);
    Canvas canvas(120, 120);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    for (int y : {5, 28, 91, 114}) EXPECT_EQ(canvas.At(60, y), RGB(0, 0, 0)) << y;
    for (int y : {32, 60, 88}) EXPECT_NE(canvas.At(60, y), RGB(0, 0, 0)) << y;
  }
  ::DestroyWindow(window);
}

TEST(RecordDialogPictureTest, PlaceholderUnlessThePictureLoadsAndAfterClearing) {
  FakeServices fakes;
  FixedClock clock(kNow);
  // path -> width shown on opening; "清除" always brings the placeholder.
  const std::pair<std::string, int> cases[] = {{"", kPlaceholderSize.cx},
                                               {"C:\\no\\such.jpg", kPlaceholderSize.cx},
                                               {DataFile("picture.bmp"), 40}};
  for (const auto& [path, width] : cases) {
    RecordForm form;
    form.addMode = false;
    form.previewPath = path;
    RecordDialog dialog(form, clock, fakes.services);
    const auto shownWidth = [](HWND window) {
      auto* box =
          dynamic_cast<PictureBox*>(win32::Control::FromHandle(::GetDlgItem(window, IDC_PICTURE)));
      return box != nullptr ? box->Picture().NaturalSize().cx : -1;
    };
    WhenShown(
        "Mirevo",
        [&](HWND window) {
          EXPECT_EQ(shownWidth(window), width) << path;
          ::SendMessageW(::GetDlgItem(window, IDC_CLEAR_PICTURE), BM_CLICK, 0, 0);
          EXPECT_EQ(shownWidth(window), kPlaceholderSize.cx) << path;
          ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        },
        [&] { dialog.RunModal(nullptr); });
  }
}

}  // namespace
}  // namespace mirevo::ui::testing
