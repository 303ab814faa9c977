#include "window/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace mirevo {
namespace {

// Rect::Intersects is Win32's: sharing an edge is not enough ("just past
// the edge" below).
TEST(OpeningPlacementTest, AWindowOutOfReachOpensAtTheDefaultPosition) {
  const Rect primary{0, 0, 1280, 984}, second{1280, -200, 2560, 824};
  const std::vector<Rect> both{primary, second}, one{primary};
  const std::tuple<PlacementRect, const std::vector<Rect>&, PlacementRect> cases[] = {
      {{300, 200, 500, 400}, one, {300, 200, 500, 400}},
      {{1600, -100, 500, 400}, both, {1600, -100, 500, 400}},
      {{1600, -100, 500, 400}, one, {250, 150, 500, 400}},   // monitor removed
      {{1270, 970, 500, 400}, one, {1270, 970, 500, 400}},   // a corner on screen
      {{1280, 100, 500, 400}, one, {250, 150, 500, 400}},    // just past the edge
      {{5000, 100, 1400, 400}, both, {250, 150, 480, 355}},  // too wide for the primary
      {{5000, 0, 1280, 984}, both, {250, 150, 1280, 984}},
      {{5000, 100, 0, 400}, both, {250, 150, 480, 355}},
      {{-472, 150, 480, 355}, one, {-472, 150, 480, 355}},  // docked hidden: the strip
  };
  for (const auto& [stored, areas, expected] : cases) {
    PlacementRect chosen = ChooseOpeningPlacement(stored, {250, 150, 480, 355}, areas, primary);
    EXPECT_EQ(std::tie(chosen.left, chosen.top, chosen.width, chosen.height),
              std::tie(expected.left, expected.top, expected.width, expected.height))
        << stored.left << "," << stored.top << " " << stored.width << "x" << stored.height;
  }
}

}  // namespace
}  // namespace mirevo
