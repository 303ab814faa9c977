// Where a picture box draws its picture: scaled to the box with the
// picture's proportions kept, centred, the rest of the box left black.
#pragma once

#include <optional>

#include "window/geometry.h"

namespace mirevo {

// The rectangle, inside the box's client area of boxWidth × boxHeight, to
// stretch a picture of natural size pictureWidth × pictureHeight into.
// Both of the program's picture boxes are about 4:3, so the picture's ratio
// is compared with 4/3 itself, not with the box's ratio: wider pictures
// take the full width, narrower ones the full height, and exactly 4:3 ones
// the whole box. Sizes are truncated; small pictures are enlarged.
// A picture without width or height draws nothing (nullopt).
std::optional<Rect> FitPicture(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight);

}  // namespace mirevo
