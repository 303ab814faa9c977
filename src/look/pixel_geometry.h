// Rectangles and points in device pixels, laid out as the system's RECT and
// POINT so that the controls copy them field by field.
#pragma once

namespace mirevo {

struct PixelPoint {
  int x = 0;
  int y = 0;

  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// right and bottom lie just outside, as in RECT.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace mirevo
