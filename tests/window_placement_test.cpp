#include "window/window_placement.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace mirevo {
namespace {

// Rect::Intersects is Win32's: sharing an edge is not enough ("just past
// the edge" below).
TEST(OpeningPlacementTest, AWindowOutOfReachOpensAtTheDefaultPosition) {
  const Rect primary{0, 0, 1280, 984}, second{1280, -200, 2560, 824};
  const std::vector<Rect> both{primary, second}, one{primary};
  // left, top, width, height stored; the monitors; where the window opens
  const std::tuple<std::array<int, 4>, const std::vector<Rect>&, std::array<int, 4>> cases[] = {
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
    const auto [left, top, width, height] = stored;
    EXPECT_EQ(ChooseOpeningPlacement(Rect::At(left, top, width, height),
                                     Rect::At(250, 150, 480, 355), areas, primary),
              Rect::At(expected[0], expected[1], expected[2], expected[3]))
        << left << "," << top << " " << width << "x" << height;
  }
}

}  // namespace
}  // namespace mirevo
