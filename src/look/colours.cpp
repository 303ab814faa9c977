#include "look/colours.h"

#include <algorithm>

namespace mirevo {

std::optional<Colour> OffsetColour(Colour c, int offset) {
  if (offset < -kMaxColourOffset || offset > kMaxColourOffset) return std::nullopt;
  const int red = RedOf(c);
  const int green = GreenOf(c);
  const int blue = BlueOf(c);
  const int shift = offset > 0 ? std::min({offset, 255 - red, 255 - green, 255 - blue})
                               : std::max({offset, -red, -green, -blue});
  return MakeColour(red + shift, green + shift, blue + shift);
}

Colour LightenColour(Colour c, double factor) {
  // Written so that NaN is refused too.
  if (!(factor > 0.0 && factor <= 1.0)) return c;
  const auto lift = [factor](int part) { return static_cast<int>(part + factor * (255 - part)); };
  return MakeColour(lift(RedOf(c)), lift(GreenOf(c)), lift(BlueOf(c)));
}

Colour Complement(Colour c) {
  return MakeColour(255 - RedOf(c), 255 - GreenOf(c), 255 - BlueOf(c));
}

}  // namespace mirevo
