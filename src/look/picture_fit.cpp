#include "look/picture_fit.h"

#include <cstdint>

namespace mirevo {

std::optional<Rect> FitPicture(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  // Whole numbers throughout, so that an exactly 4:3 picture is never
  // mistaken for a slightly wider or narrower one by rounding.
  const std::int64_t w = pictureWidth;
  const std::int64_t h = pictureHeight;
  if (3 * w > 4 * h) {
    const int drawnHeight = static_cast<int>(boxWidth * h / w);
    const int top = (boxHeight - drawnHeight) / 2;
    return Rect{0, top, boxWidth, top + drawnHeight};
  }
  if (3 * w < 4 * h) {
    const int drawnWidth = static_cast<int>(boxHeight * w / h);
    const int left = (boxWidth - drawnWidth) / 2;
    return Rect{left, 0, left + drawnWidth, boxHeight};
  }
  return Rect{0, 0, boxWidth, boxHeight};
}

}  // namespace mirevo
