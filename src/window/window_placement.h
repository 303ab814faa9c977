// Where the main window opens, and when its rectangle is kept for the next
// start.
#pragma once

#include <span>

#include "window/geometry.h"

namespace mirevo {

// The rectangle to open the window at. The stored one, as long as some of it
// lies on a monitor (a window docked hidden at an edge still has its strip
// there, also where the task bar covers that edge). Otherwise it was saved
// on a monitor that is gone, or edited by hand, and would open out of reach: then the default
// position (the settings file's), keeping the stored size if it fits the primary work area, else
// the default size too.
Rect ChooseOpeningPlacement(const Rect& stored, const Rect& defaults,
                            std::span<const Rect> monitors, const Rect& primaryWorkArea);

}  // namespace mirevo
