// The list's context menu as loaded for a state, and the command of each
// item.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource.h"
#include "ui/main/main_window_menu.h"
#include "ui/win32/menu.h"

namespace mirevo::ui {
namespace {

TEST(MainWindowMenuTest, EveryItemOfTheMenuStandsForItsCommand) {
  struct Case {
    UINT id;
    MenuCommand command;
  };
  const Case cases[] = {{ID_MENU_UPDATE, MenuCommand::kUpdate}, {ID_MENU_EDIT, MenuCommand::kEdit},
                        {ID_MENU_FINISH, MenuCommand::kFinish}, {ID_MENU_ADD, MenuCommand::kAdd},
                        {ID_MENU_DELETE, MenuCommand::kDelete}, {0, MenuCommand::kNone},
                        {IDM_ABOUTBOX, MenuCommand::kNone},     {IDC_ADD, MenuCommand::kNone}};
  for (const Case& c : cases) EXPECT_EQ(MenuCommandOf(c.id), c.command) << c.id;
}

TEST(MainWindowMenuTest, TheMenuGreysAndChecksAsTheStateSays) {
  const ContextMenuState states[] = {
      {},
      {false, false, false, true, false, false},
      {false, true, true, false, true, true},
      {true, true, false, true, true, false},
  };
  for (const ContextMenuState& state : states) {
    win32::MenuHandle menu = LoadListMenu(state);
    HMENU popup = ListMenuPopup(menu.get());
    ASSERT_NE(popup, nullptr);
    ContextMenuState seen{win32::IsCommandEnabled(popup, ID_MENU_UPDATE),
                          win32::IsCommandEnabled(popup, ID_MENU_EDIT),
                          win32::IsCommandEnabled(popup, ID_MENU_FINISH),
                          win32::IsCommandEnabled(popup, ID_MENU_ADD),
                          win32::IsCommandEnabled(popup, ID_MENU_DELETE),
                          win32::IsCommandChecked(popup, ID_MENU_FINISH)};
    EXPECT_EQ(seen, state);
    // In the order the user reads them, separators between the groups.
    ASSERT_EQ(::GetMenuItemCount(popup), 7);
    EXPECT_EQ(::GetMenuItemID(popup, 0), static_cast<UINT>(ID_MENU_UPDATE));
    EXPECT_EQ(::GetMenuItemID(popup, 2), static_cast<UINT>(ID_MENU_EDIT));
    EXPECT_EQ(::GetMenuItemID(popup, 3), static_cast<UINT>(ID_MENU_FINISH));
    EXPECT_EQ(::GetMenuItemID(popup, 5), static_cast<UINT>(ID_MENU_ADD));
    EXPECT_EQ(::GetMenuItemID(popup, 6), static_cast<UINT>(ID_MENU_DELETE));
    EXPECT_EQ(win32::CommandText(popup, ID_MENU_FINISH), "完结");
  }
}

}  // namespace
}  // namespace mirevo::ui
