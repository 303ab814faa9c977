// Test fixtures whose local time is pinned for the whole test.
#pragma once

#include <ctime>

#include <gtest/gtest.h>

#include "support/time_zone.h"

namespace mirevo::testing {

// Tests whose local time is China's (no daylight saving).
class ChinaTimeTest : public ::testing::Test {
  ScopedTimeZone zone_{kChinaZone};
};

// 2006-01-31 20:30 in China (a Tuesday), counted independently of the code
// under test.
inline constexpr std::time_t kChinaTuesdayEvening = 1138710600;
inline constexpr std::time_t kOneDay = 86400;

}  // namespace mirevo::testing
