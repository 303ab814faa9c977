#include "window/window_placement.h"

#include <algorithm>

namespace mirevo {

PlacementRect ChooseOpeningPlacement(const PlacementRect& stored, const PlacementRect& defaults,
                                     std::span<const Rect> monitors, const Rect& primaryWorkArea) {
  Rect rect = stored.ToRect();
  if (std::ranges::any_of(monitors, [&](const Rect& monitor) { return rect.Intersects(monitor); })) {
    return stored;
  }
  PlacementRect mended = defaults;
  // A zero or negative size fits nowhere and would leave nothing to grab.
  bool sizeFits = stored.width > 0 && stored.height > 0 &&
                  stored.width <= primaryWorkArea.Width() &&
                  stored.height <= primaryWorkArea.Height();
  if (sizeFits) {
    mended.width = stored.width;
    mended.height = stored.height;
  }
  return mended;
}

bool StoresPlacementAtExit(int maxSign) {
  return maxSign != 1;
}

}  // namespace mirevo
