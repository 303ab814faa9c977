// The sizes of owner-drawn menu items.
#pragma once

#include "look/dpi.h"
#include "look/menu_look.h"

namespace mirevo {

// At 96 DPI: the cell that holds an item's check mark (or picture), and
// the spacing around an item of each look.
inline constexpr int kMenuIconCellWidth = 16;
inline constexpr int kMenuIconCellHeight = 15;
inline constexpr int kClassicMenuSpacing = 4;
inline constexpr int kXpMenuSpacing = 7;
// Room right of the text in the XP look, and the classic look's extra
// pixel after its two icon cells.
inline constexpr int kXpMenuTextGap = 8;
inline constexpr int kClassicMenuExtra = 1;

// The constants above for one look at one DPI, for drawing as well.
struct MenuMetrics {
  int iconCellWidth = 0;
  int iconCellHeight = 0;
  int spacing = 0;
  int textGap = 0;  // XP look only
  int extra = 0;    // classic look only
};

MenuMetrics MenuMetricsFor(MenuLook look, int dpi = kBaseDpi);

struct MenuItemSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const MenuItemSize&, const MenuItemSize&) = default;
};

// menuBarHeight is the system's SM_CYMENU, already in device pixels.
MenuItemSize MeasureMenuSeparator(MenuLook look, int menuBarHeight, int dpi = kBaseDpi);

// Where an item's parts go across it, from the item's left edge. The
// classic look frames its check cell, so the cell stands one pixel in; the
// XP look paints a column under the cell, as wide as the cell and the
// spacing, and starts the text a little after it.
struct MenuItemColumns {
  int cellLeft = 0;
  int iconColumnWidth = 0;  // XP look only
  int textLeft = 0;

  friend bool operator==(const MenuItemColumns&, const MenuItemColumns&) = default;
};

MenuItemColumns MenuColumnsFor(MenuLook look, int dpi = kBaseDpi);

// textWidth is the item's text as measured on the screen with the menu
// font, which it is drawn in.
MenuItemSize MeasureMenuItem(MenuLook look, int textWidth, int menuBarHeight, int dpi = kBaseDpi);

}  // namespace mirevo
