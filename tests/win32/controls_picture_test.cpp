// Decoding pictures, the sizes and refusals of the holder, and the record
// dialog's picture box with its placeholder.
#include "controls_fakes.h"
#include "ui/controls/picture_box.h"
#include "ui/main/record_dialog.h"

namespace mirevo::ui::testing {
namespace {

TEST(PictureHolderTest, DecodesBmpJpegAndGifAtTheirSize) {
  for (const TestPicture& picture : kTestPictures) {
    PictureHolder holder;
    EXPECT_EQ(holder.LoadFile(DataFile(picture.name)), PictureLoad::kLoaded) << picture.name;
    const SIZE size = holder.NaturalSize();
    EXPECT_EQ(size.cx, picture.width) << picture.name;
    EXPECT_EQ(size.cy, picture.height) << picture.name;
  }
  PictureHolder placeholder;
  ASSERT_EQ(placeholder.LoadResource(IDB_NO_PICTURE), PictureLoad::kLoaded);
  EXPECT_EQ(placeholder.NaturalSize().cx, kPlaceholderSize.cx);
  EXPECT_EQ(placeholder.NaturalSize().cy, kPlaceholderSize.cy);
}

TEST(PictureHolderTest, RefusesWhatIsNoPictureAndKeepsItOnlyWhenUnread) {
  mirevo::testing::TempFolder folder;
  const std::string text = folder.File("notes.txt");
  mirevo::testing::WriteBytes(text, "no picture here\r\n");
  const std::string empty = folder.File("empty.bmp");
  mirevo::testing::WriteBytes(empty, "");
  // Over the limit by one byte, without writing 32 MiB: a sparse file.
  const std::string huge = folder.File("huge.bmp");
  {
    win32::FileHandle file(::CreateFileW(win32::WideFromGbk(huge).c_str(), GENERIC_WRITE, 0,
                                         nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(PictureHolder::kMaxFileBytes) + 1;
    ASSERT_TRUE(::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(file.get()));
  }
  struct Case {
    std::string path;
    PictureLoad load;
    bool keepsPicture;
  };
  const Case cases[] = {
      {text, PictureLoad::kNotAPicture, false},
      {empty, PictureLoad::kNotAPicture, false},
      {huge, PictureLoad::kTooLarge, true},
      {folder.File("missing.bmp"), PictureLoad::kCannotOpen, true},
      {"", PictureLoad::kCannotOpen, true},
  };
  for (const Case& c : cases) {
    PictureHolder holder;
    ASSERT_EQ(holder.LoadResource(IDB_NO_PICTURE), PictureLoad::kLoaded);
    EXPECT_EQ(holder.LoadFile(c.path), c.load) << c.path;
    EXPECT_EQ(!holder.Empty(), c.keepsPicture) << c.path;
  }
  EXPECT_EQ(PictureHolder().LoadResource(9999), PictureLoad::kCannotOpen);
}

// The size of the picture the record dialog's box holds once it is open,
// and after "清除".
struct BoxSizes {
  SIZE opened{};
  SIZE cleared{};
};

BoxSizes RunRecordDialog(const std::string& picturePath, FakeServices& fakes) {
  FixedClock clock(kNow);
  RecordForm form;
  form.addMode = false;
  form.previewPath = picturePath;
  RecordDialog dialog(form, clock, fakes.services);
  BoxSizes sizes;
  const auto boxSize = [](HWND window) {
    auto* box =
        dynamic_cast<PictureBox*>(win32::Control::FromHandle(::GetDlgItem(window, IDC_PICTURE)));
    return box != nullptr ? box->Picture().NaturalSize() : SIZE{-1, -1};
  };
  ModalScript script;
  script.OnDialog("Mirevo", [&](HWND window) {
    sizes.opened = boxSize(window);
    ::SendMessageW(::GetDlgItem(window, IDC_CLEAR_PICTURE), BM_CLICK, 0, 0);
    sizes.cleared = boxSize(window);
    PostCommand(window, IDCANCEL);
  });
  script.Run([&] { dialog.RunModal(nullptr); });
  return sizes;
}

TEST(RecordDialogPictureTest, PlaceholderUnlessThePictureLoads) {
  FakeServices fakes;
  const TestPicture& bmp = kTestPictures[0];
  struct Case {
    std::string path;
    SIZE shown;
  };
  const Case cases[] = {
      {"", kPlaceholderSize},
      {"C:\\no\\such\\picture.jpg", kPlaceholderSize},
      {DataFile(bmp.name), {bmp.width, bmp.height}},
  };
  for (const Case& c : cases) {
    const BoxSizes sizes = RunRecordDialog(c.path, fakes);
    EXPECT_EQ(sizes.opened.cx, c.shown.cx) << c.path;
    EXPECT_EQ(sizes.opened.cy, c.shown.cy) << c.path;
    // "清除" brings the placeholder back.
    EXPECT_EQ(sizes.cleared.cx, kPlaceholderSize.cx) << c.path;
    EXPECT_EQ(sizes.cleared.cy, kPlaceholderSize.cy) << c.path;
  }
}

TEST(PictureBoxTest, PaintsThePictureFittedOnBlack) {
  // A 50 × 25 picture in a 120 × 120 box: wider than 4:3, so drawn full
  // width, 60 high, centred; the bands above and below stay black.
  HWND box = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | SS_BLACKFRAME, 0, 0, 120, 120, nullptr,
                               nullptr, win32::AppInstance(), nullptr);
  ASSERT_NE(box, nullptr);
  {
    PictureBox picture;
    ASSERT_TRUE(picture.Attach(box));
    ASSERT_EQ(picture.LoadFile(DataFile("picture.gif")), PictureLoad::kLoaded);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 120, 120);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    RECT all{0, 0, 120, 120};
    ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    for (int y : {5, 28, 91, 114}) EXPECT_EQ(::GetPixel(memory, 60, y), RGB(0, 0, 0)) << y;
    for (int y : {32, 60, 88}) EXPECT_NE(::GetPixel(memory, 60, y), RGB(0, 0, 0)) << y;
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
  }
  ::DestroyWindow(box);
}

}  // namespace
}  // namespace mirevo::ui::testing
