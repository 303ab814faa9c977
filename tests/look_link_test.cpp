#include "look/link_colours.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(LinkColoursTest, HoverLeaveAndVisit) {
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
}

TEST(LinkTargetTest, StringThenWindowText) {
  EXPECT_EQ(LinkTarget("http://s/", "http://w/"), "http://s/");
  EXPECT_EQ(LinkTarget("", "BLOG：http://w/"), "BLOG：http://w/");
  for (std::uint32_t style : {0x0u, 0x2u, 0x50000101u}) EXPECT_TRUE(IsLinkTextStyle(style));
  for (std::uint32_t style : {0x3u, 0xEu, 0x50000103u}) EXPECT_FALSE(IsLinkTextStyle(style));
}

}  // namespace
}  // namespace mirevo
