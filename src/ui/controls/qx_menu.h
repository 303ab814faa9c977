// A pop-up menu the program draws itself, so that it looks like the
// system's menus: flat on a themed XP, classic three-dimensional everywhere
// else. It reads a menu resource and builds the same menu with every item
// (separators too) owner-drawn; sub-menus are QxMenus of their own. Callers
// grey and check items with the ordinary menu calls on Handle(), show a
// sub-menu with the system's pop-up tracking, and the chosen command comes
// back as with any menu. The window that shows it hands the item requests
// on (see owner_drawn_menu.h).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "look/menu_look.h"
#include "ui/win32/owner_drawn_menu.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::ui {

class QxMenu final : public win32::OwnerDrawnMenu {
 public:
  // The look this system's menus have: the Windows version, and the user's
  // theme read once from the registry.
  static MenuLook SystemLook();

  explicit QxMenu(MenuLook look = SystemLook()) : look_(look) {}
  ~QxMenu() override;

  // A menu resource of the program; false when it is missing or malformed.
  bool Load(int resourceId);
  // The bytes of a menu template in the classic MENU form (UTF-16 texts).
  bool LoadTemplate(std::string_view bytes);

  HMENU Handle() const { return menu_; }
  // The QxMenu of the pop-up at that position; nullptr when the item there
  // is no pop-up.
  QxMenu* SubMenu(int position) const;

 protected:
  bool OwnsItemData(ULONG_PTR itemData) const override;
  bool OwnsMenu(HMENU menu) const override;
  void MeasureItem(MEASUREITEMSTRUCT& item) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  LRESULT MenuChar(wchar_t typed, HMENU menu) override;

 private:
  struct Item {
    std::wstring text;
    UINT id = 0;
    bool separator = false;
    QxMenu* subMenu = nullptr;
  };
  class TemplateReader;

  bool ReadLevel(TemplateReader& reader, int depth);
  bool Append(WORD flags, UINT id, std::wstring text, std::unique_ptr<QxMenu> subMenu);

  MenuLook look_;
  // Only while the menu is not a pop-up of another one, which then owns it.
  win32::MenuHandle owned_;
  HMENU menu_ = nullptr;
  // By position; the pointers are the items' data.
  std::vector<std::unique_ptr<Item>> items_;
  std::vector<std::unique_ptr<QxMenu>> subMenus_;
};

}  // namespace mirevo::ui
