// Where the preview popup goes beside the main window.
#pragma once

#include "look/dpi.h"
#include "window/geometry.h"

namespace mirevo {

// At 96 DPI: the popup stands this far left of the main window's left edge
// (its own width and a little room), and this much of its height is kept
// above the main window's bottom.
inline constexpr int kPreviewPopupLeftShift = 242;
inline constexpr int kPreviewPopupKeptHeight = 190;
// The popup's own size at 96 DPI: 161 × 121 dialog units of the program's
// dialog font ("宋体" 9 point, 6 × 12 pixel base units), one pixel short of
// the shift, so that it ends just left of the window. Fixed in pixels, not
// taken from the font on the screen: a substitute font with wider letters
// would make the popup cover the window it stands beside.
inline constexpr int kPreviewPopupWidth = 241;
inline constexpr int kPreviewPopupHeight = 181;

Size PreviewPopupSize(int dpi = kBaseDpi);

// The popup's top-left corner in screen coordinates, next to the clicked
// row (rowOffset: the row's top in the list's coordinates) but never
// reaching further down than the main window. No clamping to the screen:
// near its left edge the popup may lie partly off the screen.
Point PlacePreviewPopup(const Rect& mainWindow, int rowOffset, int dpi = kBaseDpi);

}  // namespace mirevo
