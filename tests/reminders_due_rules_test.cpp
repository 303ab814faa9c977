#include "reminders/due_rules.h"
#include "reminders/earliest_update.h"

#include <gtest/gtest.h>

#include "reminders/time_text.h"
#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using testing::ChinaTimeTest;
using testing::kChinaTuesdayEvening;

constexpr std::time_t kDay = 86400;
// 2006-02-07 10:00 in China, a Tuesday (weekday 2); Sunday 2006-02-05 09:15.
constexpr std::time_t kTuesdayMorning = kChinaTuesdayEvening + 7 * kDay - 37800;
constexpr std::time_t kSunday = 1139102100;
constexpr RowColour kNext = 0xFF0000, kWeekday = 0x00FF00, kEarliest = 0x0000FF;

TEST_F(ChinaTimeTest, DueThresholdIsTheMinuteOrWithAccuracyTheEndOfToday) {
  FixedClock clock(kTuesdayMorning + 59);
  EXPECT_EQ(ComputeDueThreshold(clock, 0).threshold, "2006-02-07 10:00");
  EXPECT_EQ(ComputeDueThreshold(clock, 0).todayWeekday, 2);
  EXPECT_EQ(ComputeDueThreshold(clock, 1).threshold, "2006-02-07 23:59");
  EXPECT_EQ(ComputeDueThreshold(clock, 2).threshold, "2006-02-07 10:00") << "only 1 is on";
  EXPECT_EQ(ComputeDueThreshold(FixedClock(kSunday), 0).todayWeekday, 0);
}

TEST(IsNextTimeDueTest, OnlyConcreteTimesAtOrBeforeTheThresholdAreDue) {
  const std::pair<const char*, bool> cases[] = {
      {"", false},
      {"Unknown", false},
      {"2006-02-07 10:00", true},
      {"2006-02-07 09:59", true},
      {"2005-12-31 23:59", true},
      {"2006-02-07 10:01", false},
      {"2006-02-08 00:00", false},
  };
  for (auto [next, due] : cases) EXPECT_EQ(IsNextTimeDue(next, "2006-02-07 10:00"), due) << next;
}

TEST_F(ChinaTimeTest, RecordEarliestUpdateKeepsOnlyAStrictlyQuickerGapAboveOneMinute) {
  // Stored before the update, seconds since the previous update, stored after.
  const std::tuple<const char*, std::time_t, const char*> cases[] = {
      {"", 60, ""},
      {"", 61, "周二(火)20:31 61"},
      {"", 604799, "周二(火)20:29 604799"},
      {"", 604800, ""},
      {"", 0, ""},
      {"", -7200, ""},
      {"周日(日)09:15 3600", 3600, "周日(日)09:15 3600"},  // the same gap is no news
      {"周日(日)09:15 3600", 3599, "周二(火)21:29 3599"},
      {"周日(日)09:15 ", 604799, "周二(火)20:29 604799"},  // no number: a week is the best
  };
  for (auto [stored, gap, expected] : cases) {
    SeriesRecord record;
    record.updateTime = "2006-01-31 20:30";
    record.earliestUpdate = stored;
    RecordEarliestUpdate(record, FixedClock(kChinaTuesdayEvening + gap));
    EXPECT_EQ(record.earliestUpdate, expected) << stored << " " << gap;
  }
}

class ApplyDueRulesTest : public ChinaTimeTest {
 protected:
  RowColour Apply(SeriesRecord& record, int tab = kAnime, int accuracy = 0) {
    return ApplyDueRules(record, tab, ComputeDueThreshold(clock_, accuracy), settings_, clock_);
  }
  static std::string Flags(const SeriesRecord& r) {
    return std::to_string(r.weekdayDue) + std::to_string(r.earliestDue) +
           std::to_string(r.manualNextTime);
  }

  FixedClock clock_{kTuesdayMorning};
  ReminderSettings settings_{{{{1, kNext}, {1, kWeekday}, {1, kEarliest}}}};
};

// A work shown on Tuesday 10:00 plus `later` seconds, last updated on
// Wednesday (unless `update` says otherwise), with one change at a time.
struct ApplyCase {
  int tab;
  std::time_t later;
  int weekday;
  const char* next;
  const char* earliest;
  const char* flags;  // weekdayDue, earliestDue, manualNextTime
  int accuracy;
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
      {kAnime, 0, 3, kWed, "", "000", 0, kNoColour, "000"},
      // An empty next time becomes a week after the update on the kind tabs only.
      {kAnime, 0, 3, "", "", "000", 0, kNoColour, "000", kWed},
      {kManga, 0, 3, "", "", "000", 0, kNoColour, "000", kWed},
      {kOva, 0, 3, "", "", "000", 0, kNoColour, "000", kWed},
      {kDrama, 0, 3, "", "", "000", 0, kNoColour, "000", kWed},
      {kAwaitedList, 0, 3, "", "", "000", 0, kNoColour, "000", ""},
      {kFinishedList, 0, 3, "", "", "000", 0, kNoColour, "000", ""},
      // Updated a week ago: due from its minute on.
      {kAnime, 0, 3, "", "", "000", 0, kNext, "000", "2006-02-07 10:00", "2006-01-31 10:00"},
      {kAnime, 0, 3, "", "", "000", 0, kNoColour, "000", "2006-02-07 10:01", "2006-01-31 10:01"},
      // The finished tab clears every flag and never colours.
      {kFinishedList, 0, 2, "2006-01-01 00:00", kTue61, "111", 0, kNoColour, "000"},
      // Updated today: never marked, the flags wait for tomorrow.
      {kAnime, 0, 2, "2006-02-01 00:00", kTue61, "110", 0, kNoColour, "110", nullptr,
       "2006-02-07 08:00"},
      // Only today's weekday (Sunday is 0) starts the weekday rule.
      {kAnime, 0, 2, kMarch, "", "000", 0, kWeekday, "100"},
      {kAnime, 0, -1, kMarch, "", "000", 0, kNoColour, "000"},
      {kAnime, kSunday + 7 * kDay - kTuesdayMorning, 0, kMarch, "", "000", 0, kWeekday, "100"},
      // A manual next time keeps both weekday rules from starting; set flags still apply.
      {kAnime, 0, 2, kWed, kTue61, "001", 0, kNoColour, "001"},
      {kAnime, 0, 2, kWed, kTue61, "101", 0, kWeekday, "101"},
      // The earliest update matches on the weekday name only.
      {kAnime, 0, 3, kWed, "周二(火)23:59 100000", "000", 0, kEarliest, "010"},
      {kAnime, 0, 3, kWed, "周二(火)", "000", 0, kEarliest, "010"},
      {kAnime, 0, 3, kWed, "周三(水)10:00 100", "000", 0, kNoColour, "000"},
      {kAnime, 0, 3, kWed, "周二", "000", 0, kNoColour, "000"},
      // Accuracy makes a later time today due all day.
      {kAnime, 0, 3, "2006-02-07 23:59", "", "000", 1, kNext, "000"},
      {kAnime, 0, 3, "2006-02-07 23:59", "", "000", 0, kNoColour, "000"},
      {kAnime, 13 * 3600 + 59 * 60, 3, "2006-02-07 23:59", "", "000", 0, kNext, "000"},
      // Next time beats earliest update beats weekday.
      {kAnime, 0, 2, kWed, "", "000", 0, kWeekday, "100"},
      {kAnime, 0, 3, kWed, kTue61, "000", 0, kEarliest, "010"},
      {kAnime, 0, 3, "2006-02-07 09:00", "", "000", 0, kNext, "000"},
      {kAnime, 0, 2, kWed, kTue61, "000", 0, kEarliest, "110"},
      {kAnime, 0, 2, "2006-02-07 09:00", "", "000", 0, kNext, "100"},
      {kAnime, 0, 3, "2006-02-07 09:00", kTue61, "000", 0, kNext, "010"},
      {kAnime, 0, 2, "2006-02-07 09:00", kTue61, "000", 0, kNext, "110"},
  };
  for (const ApplyCase& c : cases) {
    SeriesRecord record;
    record.updateTime = c.update;
    record.nextTime = c.next;
    record.weekday = c.weekday;
    record.earliestUpdate = c.earliest;
    record.weekdayDue = c.flags[0] - '0';
    record.earliestDue = c.flags[1] - '0';
    record.manualNextTime = c.flags[2] - '0';
    clock_.Set(kTuesdayMorning + c.later);
    SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
    EXPECT_EQ(Apply(record, c.tab, c.accuracy), c.colour);
    EXPECT_EQ(Flags(record), c.flagsAfter);
    EXPECT_EQ(record.nextTime, c.nextAfter ? c.nextAfter : c.next);
  }
}

// The flags stick until the next update: a work missed on its weekday or
// updated today stays marked on the following days.
TEST_F(ApplyDueRulesTest, FlagsStickAcrossDays) {
  SeriesRecord missed;
  missed.updateTime = "2006-02-01 20:30";
  missed.nextTime = kMarch;
  missed.weekday = 2;
  EXPECT_EQ(Apply(missed), kWeekday);
  SeriesRecord today = missed;
  today.updateTime = "2006-02-07 08:00";
  today.earliestDue = 1;
  EXPECT_EQ(Apply(today), kNoColour);
  for (int day = 1; day <= 3; ++day) {
    clock_.Advance(kDay);
    EXPECT_EQ(Apply(missed), kWeekday) << day;
    EXPECT_EQ(Apply(today), kEarliest) << day;
  }
}

TEST_F(ApplyDueRulesTest, SwitchedOffRulesStillSetTheirFlags) {
  settings_.rules[kWeekdayRule].enabled = 0;
  settings_.rules[kEarliestUpdateRule].enabled = 2;  // only 1 is on
  SeriesRecord record;
  record.updateTime = "2006-02-01 20:30";
  record.nextTime = kWed;
  record.weekday = 2;
  record.earliestUpdate = kTue61;
  EXPECT_EQ(Apply(record), kNoColour);
  EXPECT_EQ(Flags(record), "110");
}

}  // namespace
}  // namespace mirevo
