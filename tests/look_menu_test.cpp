#include <gtest/gtest.h>

#include "look/menu_colours.h"
#include "look/menu_look.h"
#include "look/menu_metrics.h"

namespace mirevo {
namespace {

TEST(SystemKindTest, FromVersion) {
  // NT family?, major, minor -> kind; NT 0.0 is a failed query
  const int cases[][4] = {{0, 3, 10, 0}, {0, 4, 0, 2}, {0, 4, 10, 3}, {0, 4, 90, 4}, {1, 4, 0, 5},
                          {1, 5, 0, 6},  {1, 5, 1, 7}, {1, 5, 2, 1},  {1, 0, 0, 1}};
  for (const auto& c : cases) {
    const SystemFamily family = c[0] ? SystemFamily::kWindowsNt : SystemFamily::kWindows9x;
    EXPECT_EQ(static_cast<int>(SystemKindOf(family, c[1], c[2])), c[3])
        << c[0] << " " << c[1] << "." << c[2];
  }
}

TEST(MenuLookTest, XpLookOnlyOnThemedXp) {
  const auto check = [](const char* themePath, MenuLook expected) {
    EXPECT_EQ(MenuLookInUse(SystemKind::kWindowsXp, IsClassicThemePath(themePath)), expected)
        << themePath;
  };
  check("C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme", MenuLook::kClassic);
  check("d:\\主题\\WINDOWS CLASSIC.THEME", MenuLook::kClassic);
  check("C:\\Windows Classic.theme.bak", MenuLook::kXp);
  check("Classic.theme", MenuLook::kXp);
  for (int kind = 0; kind < 7; ++kind)
    EXPECT_EQ(MenuLookInUse(static_cast<SystemKind>(kind), false), MenuLook::kClassic) << kind;
  EXPECT_EQ(std::tuple(DrawingLook(MenuLook::kXp, false), DrawingLook(MenuLook::kXp, true)),
            std::tuple(MenuLook::kXp, MenuLook::kClassic));
}

TEST(MenuMetricsTest, MeasuresItemsAndSeparators) {
  // XP look?, SM_CYMENU, DPI -> item width for text 50, item height, separator height.
  // At 150 %: cell 24 × 23, spacing 6 or 11, gap 12, extra 2.
  const int cases[][6] = {{0, 19, 96, 83, 19, 9},    {0, 24, 96, 83, 24, 12},
                          {1, 19, 96, 81, 22, 11},   {1, 30, 96, 81, 30, 15},
                          {0, 28, 144, 100, 29, 14}, {1, 28, 144, 97, 34, 17}};
  for (const auto& c : cases) {
    const MenuLook look = c[0] ? MenuLook::kXp : MenuLook::kClassic;
    EXPECT_EQ(MeasureMenuItem(look, 50, c[1], c[2]), (MenuItemSize{c[3], c[4]})) << c[0] << c[1];
    EXPECT_EQ(MeasureMenuSeparator(look, c[1], c[2]), (MenuItemSize{0, c[5]})) << c[0] << c[1];
  }
}

TEST(MenuMetricsTest, ColumnsLeaveTheTextInsideTheMeasuredWidth) {
  // XP look?, DPI -> cell left, icon column, text left; the text then ends
  // before the measured width (text left + 50 < MeasureMenuItem's width).
  const int cases[][5] = {
      {0, 96, 2, 0, 22}, {1, 96, 3, 23, 26}, {0, 144, 3, 0, 33}, {1, 144, 5, 35, 40}};
  for (const auto& c : cases) {
    const MenuLook look = c[0] ? MenuLook::kXp : MenuLook::kClassic;
    EXPECT_EQ(MenuColumnsFor(look, c[1]), (MenuItemColumns{c[2], c[3], c[4]})) << c[0] << c[1];
    EXPECT_LT(c[4] + 50, MeasureMenuItem(look, 50, 19, c[1]).width) << c[0] << c[1];
  }
}

TEST(MenuColoursTest, LightenedFromTheSystemColours) {
  SystemColours system;
  std::tie(system.highlight, system.grayText, system.buttonFace) =
      std::tuple(MakeColour(49, 106, 197), MakeColour(172, 168, 153), MakeColour(236, 233, 216));
  EXPECT_EQ(ClassicMenuColoursFor(system).checkCellBackground, MakeColour(247, 246, 239));
  const XpMenuColours themed = XpMenuColoursFor(system, true);
  EXPECT_EQ(std::tuple(themed.iconColumn, themed.selectedFill, themed.disabledText),
            std::tuple(system.buttonFace, MakeColour(193, 210, 237), MakeColour(205, 202, 193)));
  const XpMenuColours forced = XpMenuColoursFor(system, false);
  EXPECT_EQ(std::tuple(forced.iconColumn, forced.selectedFill),
            std::tuple(MakeColour(240, 238, 225), MakeColour(224, 232, 246)));
}

}  // namespace
}  // namespace mirevo
