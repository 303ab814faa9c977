#include <gtest/gtest.h>

#include "look/picture_fit.h"
#include "look/popup_placement.h"

namespace mirevo {
namespace {

TEST(FitPictureTest, KeepsProportionsAgainstFourToThree) {
  // box, picture -> left, top, right, bottom. The box's own ratio plays no
  // part: in a 300 × 100 box a 4:3 picture is stretched and a wide one runs
  // past the top and bottom.
  const int cases[][8] = {
      {240, 180, 400, 300, 0, 0, 240, 180},  {240, 180, 400, 200, 0, 30, 240, 150},
      {240, 180, 300, 400, 52, 0, 187, 180}, {240, 180, 401, 300, 0, 0, 240, 179},
      {300, 100, 400, 300, 0, 0, 300, 100},  {300, 100, 200, 100, 0, -25, 300, 125}};
  for (const auto& c : cases)
    EXPECT_EQ(FitPicture(c[0], c[1], c[2], c[3]), (Rect{c[4], c[5], c[6], c[7]}))
        << c[0] << "x" << c[1] << " " << c[2] << "x" << c[3];
  EXPECT_FALSE(FitPicture(240, 180, 0, 300) || FitPicture(240, 180, 400, 0));
}

TEST(PlacePreviewPopupTest, StandsLeftOfTheWindowAndStaysAboveItsBottom) {
  // window left, top, bottom, row offset, DPI -> popup left, top
  const int cases[][7] = {{500, 100, 300, 11, 96, 258, 110},
                          {500, 100, 300, 5, 96, 258, 105},
                          {100, 100, 700, 150, 96, -142, 250},
                          {500, 100, 300, 150, 144, 137, 15}};
  for (const auto& c : cases)
    EXPECT_EQ(PlacePreviewPopup({c[0], c[1], c[0] + 400, c[2]}, c[3], c[4]), (Point{c[5], c[6]}))
        << c[1] << "-" << c[2] << " " << c[3] << " at " << c[4];
}

TEST(PlacePreviewPopupTest, PopupEndsJustLeftOfTheWindow) {
  for (int dpi : {96, 120, 144, 192}) {
    const Size size = PreviewPopupSize(dpi);
    const Point place = PlacePreviewPopup({500, 100, 900, 700}, 0, dpi);
    // Within a rounding of the one-pixel gap, never over the window.
    EXPECT_LT(place.x + size.width, 500) << dpi;
    EXPECT_GE(place.x + size.width, 500 - ScaleForDpi(2, dpi)) << dpi;
    EXPECT_LE(size.height, ScaleForDpi(kPreviewPopupKeptHeight, dpi)) << dpi;
  }
  EXPECT_EQ(PreviewPopupSize(), (Size{241, 181}));
}

}  // namespace
}  // namespace mirevo
