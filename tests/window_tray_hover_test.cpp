#include "window/tray_hover.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

constexpr TrayAction kNone = TrayAction::kNone, kMenu = TrayAction::kShowMenu,
                     kOpen = TrayAction::kOpenMainWindow, kSummary = TrayAction::kShowDueSummary;

// Each step is one callback: the icon's handler, then the main window's.
TEST(TrayHoverTest, HoveringShowsTheSummaryOnceUntilReArmed) {
  // "AllowTrayBTip", message, window visible -> action, latch after
  const std::tuple<int, unsigned, bool, TrayAction, bool> steps[] = {
      {1, kTrayMouseMove, true, kNone, false},  // a visible window does not use it up
      {1, kTrayMouseMove, false, kSummary, true},
      {1, kTrayMouseMove, false, kNone, true},
      {1, kTrayLeftDoubleClick, false, kOpen, true},
      {1, 0x0202, false, kNone, true},  // a single click does nothing
      {1, kTrayBalloonTimedOut, false, kNone, false},
      {1, kTrayMouseMove, false, kSummary, true},
      {1, kTrayBalloonClicked, false, kNone, false},
      {1, kTrayRightDown, false, kNone, true},  // no balloon under the menu
      {1, kTrayMouseMove, false, kNone, true},
      {1, kTrayRightUp, false, kMenu, false},
      {0, kTrayMouseMove, false, kNone, false},
      {2, kTrayMouseMove, false, kNone, false},  // only 1 is on
      {1, kTrayMouseMove, false, kSummary, true},
  };
  TrayHover tray;
  for (auto [allow, message, visible, action, latch] : steps) {
    tray.SetHoverSwitch(allow);
    EXPECT_EQ(tray.HandleTrayEvent(message, visible), action) << message;
    tray.AfterTrayEvent(message);
    EXPECT_EQ(tray.HoverLatch(), latch) << "after " << message;
  }
}

}  // namespace
}  // namespace mirevo
