#include "window/transparency.h"

namespace mirevo {

int AlphaForLevel(int level) {
  if (level < 0 || level >= kTransparencyLevels) level = 0;
  return 255 - level * 255 / kTransparencyLevels;
}

TransparencyStep PlanTransparency(int level, bool alreadyLayered) {
  int alpha = AlphaForLevel(level);
  if (!alreadyLayered && alpha == 255) return {};
  return {.makeLayered = !alreadyLayered, .setAlpha = true, .alpha = alpha};
}

}  // namespace mirevo
