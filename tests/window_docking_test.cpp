#include "window/edge_docking.h"

#include <gtest/gtest.h>

#include <optional>

namespace mirevo {
namespace {

// The primary screen is 1024 wide; the window is 480 x 355, so hidden it sits
// at x = -472 (left), x = 1016 (right) or y = -347 (top), shown at x = 544
// against the right edge.
constexpr int kScreen = 1024, kW = 480, kH = 355;
constexpr DockEdge kNo = DockEdge::kNone, kL = DockEdge::kLeft, kR = DockEdge::kRight,
                   kT = DockEdge::kTop;
using Mode = EdgeAutoHideMode;
constexpr Mode kInit = EdgeAutoHideMode::kInitial, kTick = EdgeAutoHideMode::kTimer,
               kMove = EdgeAutoHideMode::kAfterMove;
constexpr Point kFar{700, 700};
constexpr std::nullopt_t kStay = std::nullopt;

TEST(EdgeAutoHideTest, Steps) {
  struct Case {
    Mode mode;
    int x, y;
    DockState state;
    Point cursor;
    int aniWin;
    bool visible;
    EdgeAutoHideResult expected;
  };
  const Case cases[] = {
      // After a move: the edges within 4 pixels dock, left before right before top.
      {kMove, 4, 100, {}, kFar, 0, true, {kNo, Point{-472, 100}, true, {kL, true}}},
      {kMove, 5, 100, {}, kFar, 0, true, {kNo, kStay, false, {}}},
      {kMove, 540, 100, {}, kFar, 0, true, {kNo, Point{1016, 100}, true, {kR, true}}},
      {kMove, 539, 100, {}, kFar, 0, true, {kNo, kStay, false, {}}},
      {kMove, 300, 4, {}, kFar, 0, true, {kNo, Point{300, -347}, true, {kT, true}}},
      {kMove, 300, 5, {}, kFar, 0, true, {kNo, kStay, false, {}}},
      {kMove, 0, 0, {}, kFar, 0, true, {kNo, Point{-472, 0}, true, {kL, true}}},
      {kMove, -300, 200, {}, kFar, 0, true, {kNo, Point{-472, 200}, true, {kL, true}}},
      {kMove, 1500, 200, {}, kFar, 0, true, {kNo, Point{1016, 200}, true, {kR, true}}},
      {kMove, 300, 768 - kH, {}, kFar, 0, true, {kNo, kStay, false, {}}},  // never the bottom
      // The slide, towards any edge: only with "AniWin" 1 and a visible window.
      {kMove, 2, 100, {}, kFar, 1, true, {kL, Point{-472, 100}, true, {kL, true}}},
      {kMove, 2, 100, {}, kFar, 1, false, {kNo, Point{-472, 100}, true, {kL, true}}},
      // A move stops after the edges, whatever the cursor does.
      {kMove, 0, 100, {kL, false}, kFar, 0, true, {kNo, kStay, false, {kL, false}}},
      // The timer hides a shown window the cursor has left, undocks one dragged
      // off its edge and shows a hidden one whose strip the cursor rests on.
      {kTick, 0, 100, {kL, false}, kFar, 1, true, {kL, Point{-472, 100}, true, {kL, true}}},
      {kTick, 0, 100, {kL, false}, {479, 454}, 0, true, {kNo, kStay, false, {kL, false}}},
      {kTick, 200, 100, {kL, false}, kFar, 0, true, {kNo, kStay, false, {}}},
      {kTick, -472, 100, {kL, true}, {0, 100}, 1, true, {kNo, Point{0, 100}, false, {kL, false}}},
      {kTick, -472, 100, {kL, true}, {8, 100}, 0, true, {kNo, kStay, false, {kL, true}}},
      {kTick, 1016, 100, {kR, true}, {1023, 454}, 0, true, {kNo, Point{544, 100}, false, {kR}}},
      {kTick, 300, -347, {kT, true}, {300, 7}, 0, true, {kNo, Point{300, 0}, false, {kT}}},
      // Initial: a hidden window comes back wherever the cursor is; one docked
      // by this very step comes back at once, without a slide.
      {kInit, -472, 100, {kL, true}, kFar, 1, true, {kNo, Point{0, 100}, false, {kL, false}}},
      {kInit, 3, 100, {}, kFar, 1, true, {kNo, Point{0, 100}, true, {kL, false}}},
      {kInit, 300, 100, {}, kFar, 1, true, {kNo, kStay, false, {}}},
  };
  for (const Case& c : cases) {
    EdgeAutoHideInput input{
        c.state, {c.x, c.y, c.x + kW, c.y + kH}, kScreen, c.cursor, c.visible, c.aniWin, c.mode};
    EXPECT_EQ(EdgeAutoHide(input), c.expected)
        << "line " << (&c - cases) << ": mode " << static_cast<int>(c.mode) << " at " << c.x << ","
        << c.y;
  }
}

TEST(EdgeAutoHideTest, TheStripWidthIsTheCallers) {
  EdgeAutoHideInput input{{}, {544, 100, 544 + kW, 100 + kH}, kScreen, kFar, true, 0, kMove, 12};
  EXPECT_EQ(EdgeAutoHide(input).moveTo, (Point{kScreen - 12, 100}));
  input.window = {300, 0, 300 + kW, kH};
  EXPECT_EQ(EdgeAutoHide(input).moveTo, (Point{300, 12 - kH}));
}

TEST(EdgeAutoHideTest, WhoRunsTheStep) {
  // "AutoHide", state, "MaxSign": timer, move, tray open
  const std::tuple<int, DockState, int, bool, bool, bool> cases[] = {
      {1, {kL, true}, 0, true, true, true},    {1, {kL, false}, 0, true, true, false},
      {1, {kNo, true}, 0, false, true, false}, {1, {kL, true}, 1, false, false, true},
      {0, {kL, true}, 0, false, false, false}, {2, {kT, true}, 0, false, false, false},
  };
  for (auto [autoHide, state, maxSign, timer, move, open] : cases) {
    EXPECT_EQ(TimerRunsEdgeAutoHide(autoHide, state, maxSign), timer) << autoHide << maxSign;
    EXPECT_EQ(MoveRunsEdgeAutoHide(autoHide, maxSign), move) << autoHide << maxSign;
    EXPECT_EQ(OpenMainWindowRunsEdgeAutoHide(autoHide, state), open) << autoHide << state.hidden;
  }
}

}  // namespace
}  // namespace mirevo
