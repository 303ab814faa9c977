#include "ui/win32/owner_drawn_menu.h"

#include <algorithm>
#include <vector>

namespace mirevo::win32 {
namespace {

// Menus live on the UI thread, as the windows that show them do.
std::vector<OwnerDrawnMenu*>& LiveMenus() {
  thread_local std::vector<OwnerDrawnMenu*> menus;
  return menus;
}

}  // namespace

OwnerDrawnMenu::OwnerDrawnMenu() {
  LiveMenus().push_back(this);
}

OwnerDrawnMenu::~OwnerDrawnMenu() {
  std::erase(LiveMenus(), this);
}

std::optional<LRESULT> OwnerDrawnMenu::Reflect(UINT message, WPARAM wParam, LPARAM lParam) {
  for (OwnerDrawnMenu* menu : LiveMenus()) {
    switch (message) {
      case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!menu->OwnsItemData(item.itemData)) continue;
        menu->MeasureItem(item);
        return TRUE;
      }
      case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!menu->OwnsItemData(item.itemData)) continue;
        menu->DrawItem(item);
        return TRUE;
      }
      case WM_MENUCHAR: {
        HMENU shown = reinterpret_cast<HMENU>(lParam);
        if (!menu->OwnsMenu(shown)) continue;
        return menu->MenuChar(static_cast<wchar_t>(LOWORD(wParam)), shown);
      }
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace mirevo::win32
