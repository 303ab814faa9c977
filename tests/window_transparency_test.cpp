#include "window/transparency.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(TransparencyTest, AWindowBecomesLayeredOnlyWhenFirstSeeThrough) {
  // level, already layered: make layered, set alpha, alpha
  const std::tuple<int, bool, bool, bool, int> cases[] = {
      {0, false, false, false, 255}, {10, false, false, false, 255}, {1, false, true, true, 230},
      {9, false, true, true, 26},    {9, true, false, true, 26},     {0, true, false, true, 255},
      {-3, true, false, true, 255},  {3, false, true, true, 179},    {7, true, false, true, 77},
  };
  for (auto [level, layered, make, set, alpha] : cases) {
    TransparencyStep step = PlanTransparency(level, layered);
    EXPECT_EQ(std::tuple(step.makeLayered, step.setAlpha, step.alpha), std::tuple(make, set, alpha))
        << level << " " << layered;
  }
}

}  // namespace
}  // namespace mirevo
