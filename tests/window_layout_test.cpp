#include "window/layout_anchors.h"
#include "window/transparency.h"

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

TEST(TransparencyTest, AWindowBecomesLayeredOnlyWhenFirstSeeThrough) {
  const int alphas[kTransparencyLevels] = {255, 230, 204, 179, 153, 128, 102, 77, 51, 26};
  for (int level = 0; level < kTransparencyLevels; ++level) {
    EXPECT_EQ(AlphaForLevel(level), alphas[level]) << level;
  }
  // level, already layered: make layered, set alpha, alpha
  const std::tuple<int, bool, bool, bool, int> cases[] = {
      {0, false, false, false, 255}, {10, false, false, false, 255}, {1, false, true, true, 230},
      {9, false, true, true, 26},    {9, true, false, true, 26},     {0, true, false, true, 255},
      {-3, true, false, true, 255},
  };
  for (auto [level, layered, make, set, alpha] : cases) {
    TransparencyStep step = PlanTransparency(level, layered);
    EXPECT_EQ(step.makeLayered, make) << level << " " << layered;
    EXPECT_EQ(step.setAlpha, set) << level << " " << layered;
    EXPECT_EQ(step.alpha, alpha) << level << " " << layered;
  }
}

}  // namespace
}  // namespace mirevo
