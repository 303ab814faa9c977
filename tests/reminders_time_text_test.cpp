#include "reminders/time_text.h"

#include <gtest/gtest.h>

#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using testing::ChinaTimeTest;
using testing::DaylightSavingTest;
using testing::kChinaTuesdayEvening;

TEST(WeekdayNamesTest, AreEightGbkBytesStartingOnSunday) {
  const auto& names = WeekdayNames();
  for (const std::string& name : names) EXPECT_EQ(name.size(), 8u) << name;
  // 周日(日): the literal must reach the program as GBK bytes.
  EXPECT_EQ(names[0], "\xD6\xDC\xC8\xD5(\xC8\xD5)");
  EXPECT_EQ(names[6], "\xD6\xDC\xC1\xF9(\xCD\xC1)");  // 周六(土)
}

TEST_F(ChinaTimeTest, FormatsLocalTimeAsSixteenBytes) {
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening), "2006-01-31 20:30");
  // Seconds are dropped, not rounded.
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening + 59), "2006-01-31 20:30");
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening + 60), "2006-01-31 20:31");
  // Zero padding keeps byte order equal to time order.
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening - 20 * 3600 - 30 * 60 + 5 * 60),
            "2006-01-31 00:05");
}

TEST_F(ChinaTimeTest, CurrentTimeTextComesFromTheClock) {
  FixedClock clock(kChinaTuesdayEvening + 3 * 86400 + 61);
  EXPECT_EQ(CurrentTimeText(clock), "2006-02-03 20:31");
}

TEST_F(ChinaTimeTest, ParsesTimeTextAsLocalTime) {
  EXPECT_EQ(ParseTimeText("2006-01-31 20:30"), kChinaTuesdayEvening);
  EXPECT_EQ(ParseTimeText("2006-02-05 09:15"), 1139102100);
}

TEST_F(ChinaTimeTest, ShortTextReadsMissingFieldsAsZeroAndStopsAtItsEnd) {
  // Digits follow in memory but lie outside the text: they must not be read.
  const std::string_view full = "2006-01-31 20:3099";
  EXPECT_EQ(ParseTimeText(full.substr(0, 15)), ParseTimeText("2006-01-31 20:03"));
  EXPECT_EQ(ParseTimeText(full.substr(0, 12)), ParseTimeText("2006-01-31 02:00"));
  EXPECT_EQ(ParseTimeText(full.substr(0, 10)), ParseTimeText("2006-01-31 00:00"));
  // Day 0 is the day before the first of the month.
  EXPECT_EQ(ParseTimeText(full.substr(0, 7)), ParseTimeText("2005-12-31 00:00"));
}

struct WeekCase {
  const char* from;
  const char* to;
};

class AddOneWeekChinaTest : public ChinaTimeTest, public ::testing::WithParamInterface<WeekCase> {};

TEST_P(AddOneWeekChinaTest, GivesTheSameClockTimeSevenDaysLater) {
  EXPECT_EQ(AddOneWeek(GetParam().from), GetParam().to);
  // Without daylight saving a calendar week is exactly 604800 seconds.
  EXPECT_EQ(ParseTimeText(GetParam().to) - ParseTimeText(GetParam().from), 604800);
}

INSTANTIATE_TEST_SUITE_P(Weeks, AddOneWeekChinaTest,
                         ::testing::Values(WeekCase{"2006-01-31 20:30", "2006-02-07 20:30"},
                                           WeekCase{"2006-12-28 23:59", "2007-01-04 23:59"},
                                           WeekCase{"2008-02-26 00:00", "2008-03-04 00:00"},
                                           WeekCase{"2007-02-26 12:00", "2007-03-05 12:00"}));

TEST_F(DaylightSavingTest, ParseLetsTheLibraryDecideDaylightSaving) {
  // A summer time and a winter time, both at noon local time.
#ifdef _WIN32
  EXPECT_EQ(ParseTimeText("2024-07-01 12:00"), 1719860400);
  EXPECT_EQ(ParseTimeText("2024-01-15 12:00"), 1705348800);
#else
  EXPECT_EQ(ParseTimeText("2024-07-01 12:00"), 1719828000);
  EXPECT_EQ(ParseTimeText("2024-01-15 12:00"), 1705316400);
#endif
  EXPECT_EQ(FormatTimeText(ParseTimeText("2024-07-01 12:00")), "2024-07-01 12:00");
}

struct DstWeekCase {
  const char* from;
  const char* to;
  long long seconds;  // proves the week really crosses a change
};

class AddOneWeekDstTest : public DaylightSavingTest,
                          public ::testing::WithParamInterface<DstWeekCase> {};

TEST_P(AddOneWeekDstTest, KeepsTheClockTimeAcrossTheChange) {
  EXPECT_EQ(AddOneWeek(GetParam().from), GetParam().to);
  EXPECT_EQ(ParseTimeText(GetParam().to) - ParseTimeText(GetParam().from), GetParam().seconds);
}

// Weeks across the spring and the autumn change of the zone in use: the
// last Sundays of March and October in Europe, the second Sunday of March and
// the first of November under the US rules of the Windows runtime.
INSTANTIATE_TEST_SUITE_P(
    Changes, AddOneWeekDstTest,
#ifdef _WIN32
    ::testing::Values(DstWeekCase{"2024-03-08 20:30", "2024-03-15 20:30", 604800 - 3600},
                      DstWeekCase{"2024-11-01 20:30", "2024-11-08 20:30", 604800 + 3600},
                      DstWeekCase{"2024-06-07 20:30", "2024-06-14 20:30", 604800})
#else
    ::testing::Values(DstWeekCase{"2024-03-29 20:30", "2024-04-05 20:30", 604800 - 3600},
                      DstWeekCase{"2024-10-25 20:30", "2024-11-01 20:30", 604800 + 3600},
                      DstWeekCase{"2024-06-07 20:30", "2024-06-14 20:30", 604800})
#endif
);

}  // namespace
}  // namespace mirevo
