// Where the main window opens, and when its rectangle is kept for the next
// start.
#pragma once

#include <span>

#include "window/geometry.h"

namespace mirevo {

// A window rectangle as the settings file keeps it ("pos[0]".."pos[3]").
struct PlacementRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  Rect ToRect() const { return {left, top, left + width, top + height}; }
  friend bool operator==(const PlacementRect&, const PlacementRect&) = default;
};

// The rectangle to open the window at. The stored one, as long as some of it
// lies on a monitor (a window docked hidden at an edge still has its strip
// there, also where the task bar covers that edge). Otherwise it was saved on a monitor that is gone, or
// edited by hand, and would open out of reach: then the default position
// (the settings file's), keeping the stored size if it fits the primary
// work area, else the default size too.
PlacementRect ChooseOpeningPlacement(const PlacementRect& stored, const PlacementRect& defaults,
                                     std::span<const Rect> monitors, const Rect& primaryWorkArea);

// The rectangle is stored at exit only for a window that is not maximised,
// so that the next start restores the last normal rectangle and maximises.
bool StoresPlacementAtExit(int maxSign);

}  // namespace mirevo
