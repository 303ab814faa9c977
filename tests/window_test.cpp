#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "window/edge_docking.h"
#include "window/layout_anchors.h"
#include "window/window_placement.h"

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

TEST(EdgeAutoHideTest, StepsWithTheCallersStrip) {
  struct Case {
    Mode mode;
    int x, y;
    DockState state;
    Point cursor;
    bool slideWhenHiding;
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
        c.state, {c.x, c.y, c.x + kW, c.y + kH}, kScreen, c.cursor, c.visible, c.slideWhenHiding,
        c.mode};
    EXPECT_EQ(EdgeAutoHide(input), c.expected) << "case " << (&c - cases);
  }
  // The strip's width is the caller's.
  EdgeAutoHideInput input{{}, {544, 100, 544 + kW, 100 + kH}, kScreen, kFar, true, 0, kMove, 12};
  EXPECT_EQ(EdgeAutoHide(input).moveTo, (Point{kScreen - 12, 100}));
  input.window = {300, 0, 300 + kW, kH};
  EXPECT_EQ(EdgeAutoHide(input).moveTo, (Point{300, 12 - kH}));
}

TEST(EdgeAutoHideTest, WhoRunsTheStep) {
  // auto-hide, state, maximised: timer, move, tray open
  const std::tuple<bool, DockState, bool, bool, bool, bool> cases[] = {
      {true, {kL, true}, false, true, true, true},
      {true, {kL, false}, false, true, true, false},
      {true, {kNo, true}, false, false, true, false},
      {true, {kL, true}, true, false, false, true},
      {false, {kL, true}, false, false, false, false},
  };
  for (auto [autoHide, state, maximised, timer, move, open] : cases) {
    EXPECT_EQ(TimerRunsEdgeAutoHide(autoHide, state, maximised), timer) << autoHide << maximised;
    EXPECT_EQ(MoveRunsEdgeAutoHide(autoHide, maximised), move) << autoHide << maximised;
    EXPECT_EQ(OpenMainWindowRunsEdgeAutoHide(autoHide, state), open) << autoHide << state.hidden;
  }
}

TEST(LayoutTest, ControlsFollowOnlyThePartBeyondTheDesignSize) {
  // Client sizes in turn, with a control of each kind of anchoring.
  const std::tuple<Size, SizeChange> steps[] = {
      {{300, 200}, {0, 0}},      {{500, 330}, {20, 10}},  {{700, 330}, {200, 0}},
      {{100, 900}, {-220, 570}}, {{480, 320}, {0, -580}},
  };
  LayoutTracker tracker;
  EXPECT_EQ(tracker.Resize({900, 900}), (SizeChange{0, 0})) << "sized before it starts";
  tracker.Start({480, 320});
  for (auto [now, change] : steps) EXPECT_EQ(tracker.Resize(now), change) << now.width;

  const Rect control{10, 20, 110, 70};
  const std::pair<unsigned, Rect> flags[] = {
      {kAnchorNone, {10, 20, 110, 70}},
      {kAnchorMoveWithRight, {40, 20, 140, 70}},
      {kAnchorMoveWithBottom, {10, 27, 110, 77}},
      {kAnchorStretchRight, {10, 20, 140, 70}},
      {kAnchorStretchBottom, {10, 20, 110, 77}},
      {kAnchorStretchRight | kAnchorStretchBottom, {10, 20, 140, 77}},
  };
  for (auto [f, expected] : flags) EXPECT_EQ(ApplyAnchors(control, f, {30, 7}), expected) << f;
}

// Rect::Intersects is Win32's: sharing an edge is not enough ("just past
// the edge" below).
TEST(OpeningPlacementTest, AWindowOutOfReachOpensAtTheDefaultPosition) {
  const Rect primary{0, 0, 1280, 984}, second{1280, -200, 2560, 824};
  const std::vector<Rect> both{primary, second}, one{primary};
  // left, top, width, height stored; the monitors; where the window opens
  const std::tuple<std::array<int, 4>, const std::vector<Rect>&, std::array<int, 4>> cases[] = {
      {{1600, -100, 500, 400}, both, {1600, -100, 500, 400}},
      {{1270, 970, 500, 400}, one, {1270, 970, 500, 400}},   // a corner on screen
      {{1280, 100, 500, 400}, one, {250, 150, 500, 400}},    // just past the edge
      {{5000, 100, 1400, 400}, both, {250, 150, 480, 355}},  // too wide for the primary
      {{5000, 0, 1280, 984}, both, {250, 150, 1280, 984}},
      {{5000, 100, 0, 400}, both, {250, 150, 480, 355}},
      {{-472, 150, 480, 355}, one, {-472, 150, 480, 355}},  // docked hidden: the strip
  };
  for (const auto& [stored, areas, expected] : cases) {
    const auto [left, top, width, height] = stored;
    EXPECT_EQ(ChooseOpeningPlacement(Rect::At(left, top, width, height),
                                     Rect::At(250, 150, 480, 355), areas, primary),
              Rect::At(expected[0], expected[1], expected[2], expected[3]))
        << left << "," << top << " " << width << "x" << height;
  }
}

}  // namespace
}  // namespace mirevo
