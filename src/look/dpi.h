// Pixel sizes chosen for a 96 DPI screen, scaled to the screen in use.
#pragma once

#include <cstdint>

namespace mirevo {

inline constexpr int kBaseDpi = 96;  // 100 %

// pixels × dpi / 96, rounded half away from zero like MulDiv. A DPI that
// is not positive (not known) leaves the size as it is.
constexpr int ScaleForDpi(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  const std::int64_t product = static_cast<std::int64_t>(pixels) * dpi;
  const std::int64_t half = kBaseDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : (product - half) / kBaseDpi);
}

}  // namespace mirevo
