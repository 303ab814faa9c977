#include "look/menu_metrics.h"

#include <algorithm>

namespace mirevo {

MenuMetrics MenuMetricsFor(MenuLook look, int dpi) {
  const bool xp = look == MenuLook::kXp;
  return {ScaleForDpi(kMenuIconCellWidth, dpi), ScaleForDpi(kMenuIconCellHeight, dpi),
          ScaleForDpi(xp ? kXpMenuSpacing : kClassicMenuSpacing, dpi),
          xp ? ScaleForDpi(kXpMenuTextGap, dpi) : 0, xp ? 0 : ScaleForDpi(kClassicMenuExtra, dpi)};
}

MenuItemColumns MenuColumnsFor(MenuLook look, int dpi) {
  const MenuMetrics m = MenuMetricsFor(look, dpi);
  if (look == MenuLook::kXp) {
    const int column = m.iconCellWidth + m.spacing;
    return {m.spacing / 2, column, column + m.spacing / 2};
  }
  const int cellLeft = ScaleForDpi(2, dpi);
  return {cellLeft, 0, cellLeft + m.iconCellWidth + m.spacing};
}

MenuItemSize MeasureMenuSeparator(MenuLook look, int menuBarHeight, int dpi) {
  const MenuMetrics m = MenuMetricsFor(look, dpi);
  return {0, std::max(menuBarHeight / 2, (m.iconCellHeight + m.spacing) / 2)};
}

MenuItemSize MeasureMenuItem(MenuLook look, int textWidth, int menuBarHeight, int dpi) {
  const MenuMetrics m = MenuMetricsFor(look, dpi);
  const int margins = look == MenuLook::kXp ? m.iconCellWidth + m.spacing + m.textGap
                                            : 2 * m.iconCellWidth + m.extra;
  return {textWidth + margins, std::max(menuBarHeight, m.iconCellHeight + m.spacing)};
}

}  // namespace mirevo
