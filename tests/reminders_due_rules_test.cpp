#include "reminders/due_rules.h"
#include "reminders/earliest_update.h"

#include <gtest/gtest.h>

#include "reminders/time_text.h"
#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using testing::ChinaTimeTest;
using testing::kChinaTuesdayEvening;
using testing::kOneDay;

// 2006-02-07 10:00 in China, a Tuesday (weekday 2); Sunday 2006-02-05 09:15.
constexpr std::time_t kTuesdayMorning = kChinaTuesdayEvening + 7 * kOneDay - 37800;
constexpr std::time_t kSunday = 1139102100;
constexpr RowColour kNext = 0xFF0000, kWeekday = 0x00FF00, kEarliest = 0x0000FF;

// With accuracy a next time anywhere in today is due all day.
TEST_F(ChinaTimeTest, DueThresholdIsTheMinuteOrWithAccuracyTheEndOfToday) {
  FixedClock clock(kTuesdayMorning + 59);
  const DueThreshold due = ComputeDueThreshold(clock, false);
  EXPECT_EQ(std::tie(due.threshold, due.todayWeekday), std::tuple("2006-02-07 10:00", 2));
  EXPECT_EQ(ComputeDueThreshold(clock, true).threshold, "2006-02-07 23:59");
  EXPECT_EQ(ComputeDueThreshold(FixedClock(kSunday), false).todayWeekday, 0);
}

TEST_F(ChinaTimeTest, RecordEarliestUpdateKeepsOnlyAStrictlyQuickerGapAboveOneMinute) {
  // Stored before the update, seconds since the previous update, stored after.
  const std::tuple<const char*, std::time_t, const char*> cases[] = {
      {"", 60, ""},
      {"", 61, "周二(火)20:31 61"},
      {"", 604799, "周二(火)20:29 604799"},
      {"", 604800, ""},
      {"", -7200, ""},                                     // the clock set back
      {"周日(日)09:15 3600", 3600, "周日(日)09:15 3600"},  // the same gap is no news
      {"周日(日)09:15 3600", 3599, "周二(火)21:29 3599"},
      {"周日(日)09:15 ", 604799, "周二(火)20:29 604799"},  // no number: a week is the best
  };
  for (auto [stored, gap, expected] : cases) {
    SeriesRecord record;
    std::tie(record.updateTime, record.earliestUpdate) = std::tuple("2006-01-31 20:30", stored);
    RecordEarliestUpdate(record, FixedClock(kChinaTuesdayEvening + gap));
    EXPECT_EQ(record.earliestUpdate, expected) << stored << " " << gap;
  }
}

class ApplyDueRulesTest : public ChinaTimeTest {
 protected:
  // The colour, then the flags weekdayDue, earliestDue, manualNextTime.
  std::pair<RowColour, std::string> Apply(SeriesRecord& r, int tab = kAnime) {
    RowColour colour = ApplyDueRules(r, tab, ComputeDueThreshold(clock_, 0), settings_, clock_);
    return {colour, std::to_string(r.weekdayDue.value) + std::to_string(r.earliestDue.value) +
                        std::to_string(r.manualNextTime.value)};
  }

  FixedClock clock_{kTuesdayMorning};
  ReminderSettings settings_{{{{1, kNext}, {1, kWeekday}, {1, kEarliest}}}};
};

// A work shown on Tuesday 2006-02-07 10:00, last updated on Wednesday
// (unless `update` says otherwise), with one change at a time.
struct ApplyCase {
  int tab;
  int weekday;
  const char* next;
  const char* earliest;
  const char* flags;  // weekdayDue, earliestDue, manualNextTime
  RowColour colour;
  const char* flagsAfter;
  const char* nextAfter = nullptr;  // unchanged
  const char* update = "2006-02-01 20:30";
};

constexpr char kWed[] = "2006-02-08 20:30";
constexpr char kMarch[] = "2006-03-01 00:00";
constexpr char kTue61[] = "周二(火)20:31 61";

TEST_F(ApplyDueRulesTest, ColoursAndFlagsPerCase) {
  const ApplyCase cases[] = {
      // An empty next time becomes a week after the update on the kind tabs only.
      {kDrama, 3, "", "", "000", kNoColour, "000", kWed},
      {kAwaitedList, 3, "", "", "000", kNoColour, "000", ""},
      {kFinishedList, 3, "", "", "000", kNoColour, "000", ""},
      // Updated a week ago: due from its minute on.
      {kAnime, 3, "", "", "000", kNext, "000", "2006-02-07 10:00", "2006-01-31 10:00"},
      {kAnime, 3, "", "", "000", kNoColour, "000", "2006-02-07 10:01", "2006-01-31 10:01"},
      // The finished tab clears every flag and never colours.
      {kFinishedList, 2, "2006-01-01 00:00", kTue61, "111", kNoColour, "000"},
      // Updated today: never marked, the flags wait for tomorrow.
      {kAnime, 2, "2006-02-01 00:00", kTue61, "110", kNoColour, "110", nullptr, "2006-02-07 08:00"},
      // Only today's weekday starts the weekday rule; set flags stick on the
      // following days.
      {kAnime, 2, kMarch, "", "000", kWeekday, "100"},
      {kAnime, 5, kMarch, "", "100", kWeekday, "100"},
      {kAnime, 5, kMarch, "", "010", kEarliest, "010"},
      // A manual next time keeps both weekday rules from starting; set flags still apply.
      {kAnime, 2, kWed, kTue61, "001", kNoColour, "001"},
      {kAnime, 2, kWed, kTue61, "101", kWeekday, "101"},
      // The earliest update matches on the weekday name only.
      {kAnime, 3, kWed, "周二(火)", "000", kEarliest, "010"},
      {kAnime, 3, kWed, "周三(水)10:00 100", "000", kNoColour, "000"},
      {kAnime, 3, kWed, "周二", "000", kNoColour, "000"},
      // Next time beats earliest update beats weekday.
      {kAnime, 2, kWed, kTue61, "000", kEarliest, "110"},
      {kAnime, 2, "2006-02-07 09:00", kTue61, "000", kNext, "110"},
  };
  for (const ApplyCase& c : cases) {
    SeriesRecord r;
    std::tie(r.updateTime, r.nextTime, r.weekday, r.earliestUpdate) =
        std::tuple(c.update, c.next, c.weekday, c.earliest);
    std::tie(r.weekdayDue, r.earliestDue, r.manualNextTime) =
        std::tuple(Switch{c.flags[0] - '0'}, Switch{c.flags[1] - '0'}, Switch{c.flags[2] - '0'});
    EXPECT_EQ(Apply(r, c.tab), std::pair(c.colour, std::string(c.flagsAfter)))
        << "case " << (&c - cases);
    EXPECT_EQ(r.nextTime, c.nextAfter ? c.nextAfter : c.next) << "case " << (&c - cases);
  }
}

TEST_F(ApplyDueRulesTest, SwitchedOffRulesStillSetTheirFlags) {
  settings_.rules[kWeekdayRule].enabled = 0;
  settings_.rules[kEarliestUpdateRule].enabled = 2;  // only 1 is on
  SeriesRecord r;
  std::tie(r.updateTime, r.nextTime, r.weekday, r.earliestUpdate) =
      std::tuple("2006-02-01 20:30", kWed, 2, kTue61);
  EXPECT_EQ(Apply(r), std::pair(kNoColour, std::string("110")));
}

}  // namespace
}  // namespace mirevo
