#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "reminders/time_text.h"
#include "support/time_zone.h"

namespace mirevo {
namespace {

// Zones whose clocks change in ways a fill must follow: none, an hour in
// spring and autumn, and natively half an hour (Lord Howe), at midnight
// (São Paulo, 2018) and a whole day skipped (Apia, 2011-12-30).
std::vector<const char*> Zones() {
  std::vector<const char*> zones{testing::kChinaZone, testing::kDaylightSavingZone};
#ifndef _WIN32
  zones.insert(zones.end(), {"Australia/Lord_Howe", "America/Sao_Paulo", "Pacific/Apia"});
#endif
  return zones;
}

std::string Text(int year, int month, int day, int hour, int minute) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
  return text;
}

// Every half hour of three years, with the text a week later by the calendar
// alone: China's clock has not changed since 1991.
std::vector<std::pair<std::string, std::string>> WeekLaterByTheCalendar() {
  testing::ScopedTimeZone china(testing::kChinaZone);
  std::vector<std::pair<std::string, std::string>> weeks;
  for (int year : {2011, 2018, 2024})
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= 31; ++day)
        for (int minutes = 0; minutes < 24 * 60; minutes += 30) {
          std::string text = Text(year, month, day, minutes / 60, minutes % 60);
          weeks.emplace_back(text, AddOneWeek(text));
        }
  return weeks;
}

// One WeekAhead over a whole fill gives what AddOneWeek gives each text. A
// clock time the day a week later skips has no right answer but the C
// library's, which even depends on its earlier calls: there WeekAhead must
// not answer by the calendar.
TEST(WeekAheadTest, GivesWhatAddOneWeekGivesInEveryZone) {
  const auto weeks = WeekLaterByTheCalendar();
  for (const char* zone : Zones()) {
    testing::ScopedTimeZone pinned(zone);
    WeekAhead weekAhead;
    for (const auto& [text, byCalendar] : weeks) {
      const bool skipped = AddOneWeek(text) != byCalendar;
      const std::string added = weekAhead.Add(text);
      if (skipped)
        ASSERT_NE(added, byCalendar) << zone << " " << text;
      else
        ASSERT_EQ(added, byCalendar) << zone << " " << text;
    }
  }
}

// Texts the calendar arithmetic must leave to AddOneWeek: short, damaged,
// out of range, before the runtime's first day, past the last year of four
// digits.
TEST(WeekAheadTest, LeavesTextsThatAreNotPlainDatesToAddOneWeek) {
  const char* texts[] = {"",
                         "2006-01-31 20:3",
                         "2006-01-31 20:30x",
                         "2006-02-30 10:00",
                         "2006-13-01 10:00",
                         "2006-01-31 24:00",
                         "2006-01-31 20:60",
                         "2006/01/31 20:30",
                         "2006-01-3a 20:30",
                         "1969-12-20 10:00",
                         "1969-12-25 10:00",
                         "1970-01-01 00:00",
                         "9999-12-30 12:00",
                         "2008-02-29 23:59",
                         "2100-02-28 08:00"};
  for (const char* zone : Zones()) {
    testing::ScopedTimeZone pinned(zone);
    WeekAhead weekAhead;
    for (const char* text : texts) EXPECT_EQ(weekAhead.Add(text), AddOneWeek(text)) << zone << text;
  }
}

}  // namespace
}  // namespace mirevo
