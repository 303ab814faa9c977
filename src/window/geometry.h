// Points, sizes and rectangles in screen or client pixels, with the same
// meaning as their Win32 counterparts so the window code can copy them over
// field by field.
#pragma once

#include <algorithm>

namespace mirevo {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Sums and differences of 32-bit coordinates as the hardware gives them,
// wrapping instead of overflowing: a settings file edited by hand may hold
// any numbers, and they must come back from a rectangle as they were.
constexpr int WrappingSum(int a, int b) {
  return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
}
constexpr int WrappingDifference(int a, int b) {
  return static_cast<int>(static_cast<unsigned>(a) - static_cast<unsigned>(b));
}

// The one window rectangle of the program. Right and bottom lie just outside
// the rectangle, as in a Win32 RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  // The rectangle with that corner and size.
  static constexpr Rect At(int left, int top, int width, int height) {
    return {left, top, WrappingSum(left, width), WrappingSum(top, height)};
  }

  constexpr int Width() const { return WrappingDifference(right, left); }
  constexpr int Height() const { return WrappingDifference(bottom, top); }

  // PtInRect: the left and top edges belong to the rectangle, the right and
  // bottom ones do not.
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

  // IntersectRect's answer: the overlap has an area. Rectangles that only
  // share an edge, and empty ones, do not intersect.
  bool Intersects(const Rect& other) const {
    return std::max(left, other.left) < std::min(right, other.right) &&
           std::max(top, other.top) < std::min(bottom, other.bottom);
  }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace mirevo
