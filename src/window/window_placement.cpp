#include "window/window_placement.h"

#include <algorithm>

namespace mirevo {

Rect ChooseOpeningPlacement(const Rect& stored, const Rect& defaults,
                            std::span<const Rect> monitors, const Rect& primaryWorkArea) {
  if (std::ranges::any_of(monitors,
                          [&](const Rect& monitor) { return stored.Intersects(monitor); }))
    return stored;
  // A zero or negative size fits nowhere and would leave nothing to grab.
  const int width = stored.Width(), height = stored.Height();
  const bool sizeFits = width > 0 && height > 0 && width <= primaryWorkArea.Width() &&
                        height <= primaryWorkArea.Height();
  return sizeFits ? Rect::At(defaults.left, defaults.top, width, height) : defaults;
}

}  // namespace mirevo
