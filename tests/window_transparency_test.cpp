#include "window/transparency.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

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
