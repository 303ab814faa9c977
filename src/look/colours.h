// Windows colour values and the colour arithmetic the controls share.
#pragma once

#include <cstdint>
#include <optional>

namespace mirevo {

// 0x00BBGGRR: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

// Each part is taken modulo 256, as the system's RGB macro does.
constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
         static_cast<Colour>(blue & 0xFF) << 16;
}

constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr int kMaxColourOffset = 255;

// Shifts all three parts by the same amount, d or less, so that the colour
// keeps its hue and no part leaves 0..255: upwards the shift stops where
// the brightest part reaches 255, downwards where the darkest reaches 0.
// An offset outside -255..255 is refused.
std::optional<Colour> OffsetColour(Colour c, int offset);

// Moves each part towards 255 by the factor of its distance, truncated.
// A factor outside 0 < f <= 1 leaves the colour as it is.
Colour LightenColour(Colour c, double factor);

// 255 minus each part: readable text on a button showing the colour.
Colour Complement(Colour c);

}  // namespace mirevo
