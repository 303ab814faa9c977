#include "ui/main/main_window_menu.h"

#include "resource.h"
#include "ui/win32/menu.h"

namespace mirevo::ui {

std::unique_ptr<QxMenu> LoadListMenu(const ContextMenuState& state) {
  auto menu = std::make_unique<QxMenu>();
  if (!menu->Load(IDR_LIST_MENU)) return nullptr;
  QxMenu* popupMenu = ListMenuPopup(menu.get());
  if (popupMenu == nullptr) return menu;
  HMENU popup = popupMenu->Handle();
  win32::EnableCommand(popup, ID_MENU_UPDATE, state.updateEnabled);
  win32::EnableCommand(popup, ID_MENU_EDIT, state.editEnabled);
  win32::EnableCommand(popup, ID_MENU_FINISH, state.finishEnabled);
  win32::EnableCommand(popup, ID_MENU_ADD, state.addEnabled);
  win32::EnableCommand(popup, ID_MENU_DELETE, state.deleteEnabled);
  win32::CheckCommand(popup, ID_MENU_FINISH, state.finishChecked);
  return menu;
}

QxMenu* ListMenuPopup(const QxMenu* menu) {
  return menu != nullptr ? menu->SubMenu(0) : nullptr;
}

MenuCommand MenuCommandOf(UINT itemId) {
  switch (itemId) {
    case ID_MENU_UPDATE:
      return MenuCommand::kUpdate;
    case ID_MENU_EDIT:
      return MenuCommand::kEdit;
    case ID_MENU_FINISH:
      return MenuCommand::kFinish;
    case ID_MENU_ADD:
      return MenuCommand::kAdd;
    case ID_MENU_DELETE:
      return MenuCommand::kDelete;
    default:
      return MenuCommand::kNone;
  }
}

}  // namespace mirevo::ui
