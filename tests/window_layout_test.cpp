#include "window/layout_anchors.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

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

}  // namespace
}  // namespace mirevo
