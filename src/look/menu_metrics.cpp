#include "look/menu_metrics.h"

#include <algorithm>

namespace mirevo {

MenuMetrics MenuMetricsFor(MenuLook look, int dpi) {
  const bool xp = look == MenuLook::kXp;
  return {ScaleForDpi(kMenuIconCellWidth, dpi), ScaleForDpi(kMenuIconCellHeight, dpi),
          ScaleForDpi(xp ? kXpMenuSpacing : kClassicMenuSpacing, dpi),
          xp ? ScaleForDpi(kXpMenuTextGap, dpi) : 0, xp ? 0 : ScaleForDpi(kClassicMenuExtra, dpi)};
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
