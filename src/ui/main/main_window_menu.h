// The list's context menu (menu resource 140): which items can be chosen on
// the current tab, and the command an item stands for.
#pragma once

#include <windows.h>

#include <memory>

#include "app/context_menu.h"
#include "ui/controls/qx_menu.h"

namespace mirevo::ui {

// Menu 140, drawn by the program, with its items greyed and checked as the
// state says; its first pop-up is the menu to show. nullptr when the
// resource is missing.
std::unique_ptr<QxMenu> LoadListMenu(const ContextMenuState& state);

// The pop-up to show from a menu made by LoadListMenu (owned by that menu).
QxMenu* ListMenuPopup(const QxMenu* menu);

// The command of a menu item id; kNone for 0 (nothing chosen) and any id
// that is not one of the five.
MenuCommand MenuCommandOf(UINT itemId);

}  // namespace mirevo::ui
