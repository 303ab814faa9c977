#include "reminders/time_text.h"

#include <gtest/gtest.h>

#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using testing::ChinaTimeTest;
using testing::DaylightSavingTest;
using testing::kChinaTuesdayEvening;

// The weekday names' bytes are pinned by the earliest updates the app
// tests write.
TEST_F(ChinaTimeTest, FormatsLocalTimeAsSixteenZeroPaddedBytesDroppingSeconds) {
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening + 59), "2006-01-31 20:30");
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening - 20 * 3600 - 25 * 60), "2006-01-31 00:05");
}

TEST_F(ChinaTimeTest, ParsesTimeTextAsLocalTimeReadingNoFurtherThanItsEnd) {
  EXPECT_EQ(ParseTimeText("2006-01-31 20:30"), kChinaTuesdayEvening);
  // Digits follow in memory but lie outside the text; missing fields are 0,
  // and day 0 is the day before the first of the month.
  const std::string_view full = "2006-01-31 20:3099";
  EXPECT_EQ(ParseTimeText(full.substr(0, 15)), ParseTimeText("2006-01-31 20:03"));
  EXPECT_EQ(ParseTimeText(full.substr(0, 12)), ParseTimeText("2006-01-31 02:00"));
  EXPECT_EQ(ParseTimeText(full.substr(0, 10)), ParseTimeText("2006-01-31 00:00"));
  EXPECT_EQ(ParseTimeText(full.substr(0, 7)), ParseTimeText("2005-12-31 00:00"));
  // Nothing before 1970 has a local time (the Windows runtime knows none):
  // an empty update time gives no next time.
  EXPECT_EQ(ParseTimeText(""), -1);
  EXPECT_EQ(ParseTimeText("1969-12-31 23:00"), -1);
  EXPECT_EQ(AddOneWeek(""), "");
  EXPECT_EQ(FormatTimeText(-60), "");
}

// The same clock time seven days later: exactly 604800 seconds without
// daylight saving, an hour less or more across a change.
void ExpectWeeks(std::initializer_list<std::tuple<const char*, const char*, long long>> weeks) {
  for (auto [from, to, seconds] : weeks) {
    EXPECT_EQ(AddOneWeek(from), to);
    EXPECT_EQ(ParseTimeText(to) - ParseTimeText(from), seconds) << from;
  }
}

TEST_F(ChinaTimeTest, AddOneWeekAcrossMonthsYearsAndLeapDays) {
  ExpectWeeks({{"2006-01-31 20:30", "2006-02-07 20:30", 604800},
               {"2006-12-28 23:59", "2007-01-04 23:59", 604800},
               {"2008-02-26 00:00", "2008-03-04 00:00", 604800},
               {"2007-02-26 12:00", "2007-03-05 12:00", 604800}});
}

// The last Sundays of March and October in Europe; the second Sunday of
// March and the first of November under the US rules of the Windows runtime.
TEST_F(DaylightSavingTest, AddOneWeekKeepsTheClockTimeAcrossTheChange) {
#ifdef _WIN32
  ExpectWeeks({{"2024-03-08 20:30", "2024-03-15 20:30", 604800 - 3600},
               {"2024-11-01 20:30", "2024-11-08 20:30", 604800 + 3600},
               {"2024-06-07 20:30", "2024-06-14 20:30", 604800}});
  EXPECT_EQ(ParseTimeText("2024-07-01 12:00"), 1719860400);  // summer
  EXPECT_EQ(ParseTimeText("2024-01-15 12:00"), 1705348800);  // winter
#else
  ExpectWeeks({{"2024-03-29 20:30", "2024-04-05 20:30", 604800 - 3600},
               {"2024-10-25 20:30", "2024-11-01 20:30", 604800 + 3600},
               {"2024-06-07 20:30", "2024-06-14 20:30", 604800}});
  EXPECT_EQ(ParseTimeText("2024-07-01 12:00"), 1719828000);
  EXPECT_EQ(ParseTimeText("2024-01-15 12:00"), 1705316400);
#endif
  EXPECT_EQ(FormatTimeText(ParseTimeText("2024-07-01 12:00")), "2024-07-01 12:00");
}

}  // namespace
}  // namespace mirevo
