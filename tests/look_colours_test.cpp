#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "look/colours.h"
#include "look/dpi.h"
#include "look/flat_button_colours.h"

namespace mirevo {
namespace {

constexpr Colour kFace = MakeColour(212, 208, 200);
constexpr Colour kText = MakeColour(0, 0, 0);
constexpr Colour kRed = MakeColour(255, 0, 0);

// Red is the low byte; every part moves alike and stops at 0 or 255. The
// complement is checked with the colour buttons below, lightening by a
// factor with the menu colours.
TEST(ColourTest, OffsetMovesAllPartsAlikeWithinRange) {
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
        << c[0] << "," << c[1] << "," << c[2] << " " << c[3];
  for (int outside : {256, -256}) EXPECT_FALSE(OffsetColour(kFace, outside)) << outside;
}

TEST(ColourTest, LightenAcceptsOnlyFactorsAboveZeroUpToOne) {
  EXPECT_EQ(LightenColour(MakeColour(10, 20, 30), 1.0), MakeColour(255, 255, 255));
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

TEST(FlatButtonColoursTest, SetAndOffsetAnswerWithTheirStatus) {
  FlatButtonColours colours(kFace, kText);
  EXPECT_EQ(static_cast<int>(colours.Set(6, kRed)), 3);
  EXPECT_EQ(static_cast<int>(colours.Offset(6, 300)), 3);  // the slot is checked first
  EXPECT_EQ(static_cast<int>(colours.Offset(0, 256)), 5);
  EXPECT_EQ(Slots(colours), (std::array{kFace, kText, kFace, kText, kFace, kText}));
  EXPECT_EQ(static_cast<int>(colours.Set(5, kRed)), 0);
  EXPECT_EQ(static_cast<int>(colours.Offset(2, -200)), 0);
  EXPECT_EQ(Slots(colours), (std::array{kFace, kText, MakeColour(12, 8, 0), kText, kFace, kRed}));
}

TEST(FlatButtonColoursTest, DialogsLightenHoverAndColourButtonsShowTheirColour) {
  FlatButtonColours colours(kFace, kText);
  ApplyDialogOpeningLook(colours);
  EXPECT_EQ(Slots(colours),
            (std::array{MakeColour(242, 238, 230), kText, kFace, kText, kFace, kText}));
  ShowChosenColour(colours, kRed);
  EXPECT_EQ(Slots(colours), (std::array{kRed, MakeColour(0, 255, 255), kFace, kRed, kFace, kText}));
}

TEST(FlatButtonColoursTest, StateChoosesTheSlots) {
  EXPECT_EQ(PaintSlotsFor(true, false), (FlatButtonPaintSlots{0, 1, 0}));
  EXPECT_EQ(PaintSlotsFor(true, true), (FlatButtonPaintSlots{0, 1, 0}));
  EXPECT_EQ(PaintSlotsFor(false, true), (FlatButtonPaintSlots{4, 3, 2}));  // fill only
  EXPECT_EQ(PaintSlotsFor(false, false), (FlatButtonPaintSlots{2, 3, 2}));
}

}  // namespace
}  // namespace mirevo
