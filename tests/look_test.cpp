#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "look/colours.h"
#include "look/dpi.h"
#include "look/flat_button_colours.h"
#include "look/link_colours.h"
#include "look/menu_colours.h"
#include "look/menu_look.h"
#include "look/menu_metrics.h"
#include "look/picture_fit.h"
#include "look/popup_placement.h"

namespace mirevo {
namespace {

using ::testing::PrintToString;

constexpr Colour kFace = MakeColour(212, 208, 200);
constexpr Colour kText = MakeColour(0, 0, 0);
constexpr Colour kRed = MakeColour(255, 0, 0);

// Red is the low byte; every part moves alike and stops at 0 or 255. The
// complement is checked with the colour buttons below.
TEST(ColourTest, OffsetMovesAllPartsAlikeWithinRangeAndLightenTakesFactorsUpToOne) {
  EXPECT_EQ(MakeColour(0x12, 0x34, 0x56), 0x00563412u);
  // red, green, blue, offset -> red, green, blue
  // The XP face colour, where red limits the shift; the same with blue.
  const int cases[][7] = {{236, 233, 216, 30, 255, 252, 235},
                          {216, 233, 236, 30, 235, 252, 255},
                          {212, 208, 200, 30, 242, 238, 230},
                          {10, 50, 200, -30, 0, 40, 190},
                          {255, 255, 255, -255, 0, 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(OffsetColour(MakeColour(c[0], c[1], c[2]), c[3]), MakeColour(c[4], c[5], c[6]))
        << PrintToString(c);
  for (int outside : {256, -256}) EXPECT_FALSE(OffsetColour(kFace, outside)) << outside;
  // Lightening takes only factors above zero up to one.
  EXPECT_EQ(LightenColour(MakeColour(10, 20, 30), 1.0), MakeColour(255, 255, 255));
  EXPECT_EQ(LightenColour(MakeColour(10, 20, 30), 0.5), MakeColour(132, 137, 142));  // cut down
  for (double outside : {0.0, -0.5, 1.5, std::nan("")})
    EXPECT_EQ(LightenColour(MakeColour(10, 20, 30), outside), MakeColour(10, 20, 30)) << outside;
}

TEST(ScaleForDpiTest, RoundsHalfAwayFromZeroLikeMulDiv) {
  // pixels, dpi -> pixels; an unknown DPI leaves the size alone
  const int cases[][3] = {{16, 96, 16},   {242, 144, 363}, {7, 144, 11},
                          {-7, 144, -11}, {5, 120, 6},     {16, 0, 16}};
  for (const auto& c : cases) EXPECT_EQ(ScaleForDpi(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
}

std::array<Colour, 6> Slots(const FlatButtonColours& colours) {
  std::array<Colour, 6> slots;
  for (int slot = 0; slot < 6; ++slot) slots[slot] = colours.At(slot);
  return slots;
}

TEST(FlatButtonColoursTest, SetOffsetTheDialogLookAndTheStatesSlots) {
  FlatButtonColours colours(kFace, kText);
  // The slot is checked before the offset; what is refused changes nothing.
  EXPECT_EQ(std::tuple(colours.Set(6, kRed), colours.Offset(6, 300), colours.Offset(0, 256),
                       colours.Set(5, kRed), colours.Offset(2, -200)),
            std::tuple(FlatButtonStatus::kInvalidSlot, FlatButtonStatus::kInvalidSlot,
                       FlatButtonStatus::kOffsetOutOfRange, FlatButtonStatus::kOk,
                       FlatButtonStatus::kOk));
  EXPECT_EQ(Slots(colours), (std::array{kFace, kText, MakeColour(12, 8, 0), kText, kFace, kRed}));
  // Dialogs lighten the hover; colour buttons show their colour.
  FlatButtonColours dialog(kFace, kText);
  ApplyDialogOpeningLook(dialog);
  EXPECT_EQ(Slots(dialog),
            (std::array{MakeColour(242, 238, 230), kText, kFace, kText, kFace, kText}));
  ShowChosenColour(dialog, kRed);
  EXPECT_EQ(Slots(dialog), (std::array{kRed, MakeColour(0, 255, 255), kFace, kRed, kFace, kText}));
  // The state chooses the slots.
  EXPECT_EQ(PaintSlotsFor(true, false), (FlatButtonPaintSlots{0, 1, 0}));
  EXPECT_EQ(PaintSlotsFor(true, true), (FlatButtonPaintSlots{0, 1, 0}));
  EXPECT_EQ(PaintSlotsFor(false, true), (FlatButtonPaintSlots{4, 3, 2}));  // fill only
  EXPECT_EQ(PaintSlotsFor(false, false), (FlatButtonPaintSlots{2, 3, 2}));
}

TEST(LinkColoursTest, HoverLeaveVisitAndTheTarget) {
  const LinkActions none;
  const LinkActions enter{.startTimer = true, .repaint = true};
  const LinkActions leave{.stopTimer = true, .repaint = true, .repaintBelow = true};
  LinkColours link;
  int step = 0;
  const auto check = [&](LinkActions actions, LinkActions expected, Colour colour, bool hovering) {
    EXPECT_EQ(std::tuple(actions, link.colour(), link.hovering()),
              std::tuple(expected, colour, hovering))
        << "step " << step++;
  };
  EXPECT_EQ(std::tuple(link.colour(), link.hovering()), std::tuple(MakeColour(0, 0, 255), false));
  check(link.MouseOver(), enter, MakeColour(255, 0, 0), true);
  check(link.MouseOver(), none, kLinkHoverColour, true);  // no second timer
  check(link.TimerFired(true), none, kLinkHoverColour, true);
  check(link.TimerFired(false), leave, kLinkColour, false);
  check(link.MouseOver(), enter, kLinkHoverColour, true);  // in again: a new timer
  check(link.OpenFinished(true), {.repaint = true}, MakeColour(128, 0, 128), true);
  check(link.MouseOver(), none, kLinkVisitedColour, true);
  check(link.TimerFired(false), leave, kLinkColour, false);  // blue again after a visit
  check(link.MouseOver(), enter, kLinkHoverColour, true);
  check(link.OpenFinished(false), {.beep = true}, kLinkHoverColour, true);
  check(link.OpenFinished(true), {.repaint = true}, kLinkVisitedColour, true);
  // The target: the string, else the window text.
  EXPECT_EQ(LinkTarget("http://s/", "http://w/"), "http://s/");
  EXPECT_EQ(LinkTarget("", "BLOG：http://w/"), "BLOG：http://w/");
  for (std::uint32_t style : {0x0u, 0x2u, 0x50000101u}) EXPECT_TRUE(IsLinkTextStyle(style));
  for (std::uint32_t style : {0x3u, 0xEu, 0x50000103u}) EXPECT_FALSE(IsLinkTextStyle(style));
}

TEST(MenuLookTest, SystemKindFromVersionAndXpLookOnlyOnThemedXp) {
  // NT family?, major, minor -> kind; NT 0.0 is a failed query
  const int cases[][4] = {{0, 3, 10, 0}, {0, 4, 0, 2}, {0, 4, 10, 3}, {0, 4, 90, 4}, {1, 4, 0, 5},
                          {1, 5, 0, 6},  {1, 5, 1, 7}, {1, 5, 2, 1},  {1, 0, 0, 1}};
  for (const auto& c : cases) {
    const SystemFamily family = c[0] ? SystemFamily::kWindowsNt : SystemFamily::kWindows9x;
    EXPECT_EQ(static_cast<int>(SystemKindOf(family, c[1], c[2])), c[3]) << PrintToString(c);
  }
  // The XP look only on a themed XP.
  for (auto [themePath, expected] :
       {std::pair{"d:\\主题\\WINDOWS CLASSIC.THEME", MenuLook::kClassic},
        {"C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme", MenuLook::kClassic},
        {"C:\\Windows Classic.theme.bak", MenuLook::kXp},
        {"Classic.theme", MenuLook::kXp}})
    EXPECT_EQ(MenuLookInUse(SystemKind::kWindowsXp, IsClassicThemePath(themePath)), expected)
        << themePath;
  for (int kind = 0; kind < 7; ++kind)
    EXPECT_EQ(MenuLookInUse(static_cast<SystemKind>(kind), false), MenuLook::kClassic) << kind;
  EXPECT_EQ(std::tuple(DrawingLook(MenuLook::kXp, false), DrawingLook(MenuLook::kXp, true)),
            std::tuple(MenuLook::kXp, MenuLook::kClassic));
}

TEST(MenuMetricsTest, MeasuresItemsSeparatorsAndColumns) {
  // XP look?, SM_CYMENU, DPI -> item width for text 50, item height, separator
  // height; cell left, icon column, text left (the text ends inside the
  // measured width). At 150 %: cell 24 × 23, spacing 6 or 11, gap 12, extra 2.
  const int cases[][9] = {{0, 19, 96, 83, 19, 9, 2, 0, 22},    {0, 24, 96, 83, 24, 12, 2, 0, 22},
                          {1, 19, 96, 81, 22, 11, 3, 23, 26},  {1, 30, 96, 81, 30, 15, 3, 23, 26},
                          {0, 28, 144, 100, 29, 14, 3, 0, 33}, {1, 28, 144, 97, 34, 17, 5, 35, 40}};
  for (const auto& c : cases) {
    const MenuLook look = c[0] ? MenuLook::kXp : MenuLook::kClassic;
    const MenuItemSize item = MeasureMenuItem(look, 50, c[1], c[2]);
    const MenuItemColumns columns = MenuColumnsFor(look, c[2]);
    EXPECT_EQ(item, (MenuItemSize{c[3], c[4]})) << PrintToString(c);
    EXPECT_EQ(MeasureMenuSeparator(look, c[1], c[2]), (MenuItemSize{0, c[5]})) << PrintToString(c);
    EXPECT_EQ(columns, (MenuItemColumns{c[6], c[7], c[8]})) << PrintToString(c);
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

TEST(FitPictureTest, KeepsProportionsAgainstFourToThree) {
  // box, picture -> left, top, right, bottom. The box's own ratio plays no
  // part: in a 300 × 100 box a 4:3 picture is stretched and a wide one runs
  // past the top and bottom.
  const int cases[][8] = {
      {240, 180, 400, 300, 0, 0, 240, 180},  {240, 180, 400, 200, 0, 30, 240, 150},
      {240, 180, 300, 400, 52, 0, 187, 180}, {240, 180, 401, 300, 0, 0, 240, 179},
      {300, 100, 400, 300, 0, 0, 300, 100},  {300, 100, 200, 100, 0, -25, 300, 125}};
  for (const auto& c : cases)
    EXPECT_EQ(FitPicture(c[0], c[1], c[2], c[3]), (Rect{c[4], c[5], c[6], c[7]}))
        << PrintToString(c);
  EXPECT_FALSE(FitPicture(240, 180, 0, 300) || FitPicture(240, 180, 400, 0));
}

// Within a rounding of the one-pixel gap the popup ends left of the window,
// never over it.
TEST(PlacePreviewPopupTest, StandsLeftOfTheWindowAndStaysAboveItsBottom) {
  // window left, top, bottom, row offset, DPI -> popup left, top
  const int cases[][7] = {{500, 100, 300, 11, 96, 258, 110},
                          {500, 100, 300, 5, 96, 258, 105},
                          {100, 100, 700, 150, 96, -142, 250},
                          {500, 100, 300, 150, 144, 137, 15}};
  for (const auto& c : cases)
    EXPECT_EQ(PlacePreviewPopup({c[0], c[1], c[0] + 400, c[2]}, c[3], c[4]), (Point{c[5], c[6]}))
        << PrintToString(c);
  for (int dpi : {96, 120, 144, 192}) {
    const Size size = PreviewPopupSize(dpi);
    const Point place = PlacePreviewPopup({500, 100, 900, 700}, 0, dpi);
    EXPECT_LT(place.x + size.width, 500) << dpi;
    EXPECT_GE(place.x + size.width, 500 - ScaleForDpi(2, dpi)) << dpi;
    EXPECT_LE(size.height, ScaleForDpi(kPreviewPopupKeptHeight, dpi)) << dpi;
  }
  EXPECT_EQ(PreviewPopupSize(), (Size{241, 181}));
}

}  // namespace
}  // namespace mirevo
