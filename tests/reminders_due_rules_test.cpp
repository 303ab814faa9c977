#include "reminders/due_rules.h"

#include <gtest/gtest.h>

#include "reminders/time_text.h"
#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using testing::ChinaTimeTest;
using testing::kChinaTuesdayEvening;

constexpr std::time_t kHour = 3600;
constexpr std::time_t kDay = 86400;
// 2006-02-07 10:00 in China, a Tuesday (weekday 2).
constexpr std::time_t kTuesdayMorning = kChinaTuesdayEvening + 7 * kDay - 10 * kHour - 30 * 60;

constexpr int kNextColour = 0xFF0000;
constexpr int kWeekdayColour = 0x00FF00;
constexpr int kEarliestColour = 0x0000FF;

ReminderSettings AllRulesOn() {
  ReminderSettings settings;
  settings.rules[kNextTimeRule] = {1, kNextColour};
  settings.rules[kWeekdayRule] = {1, kWeekdayColour};
  settings.rules[kEarliestUpdateRule] = {1, kEarliestColour};
  return settings;
}

// A work last updated on Wednesday, airing on Wednesdays, not due on Tuesday.
SeriesRecord QuietRecord() {
  SeriesRecord record;
  record.name = "work";
  record.updateTime = "2006-02-01 20:30";
  record.nextTime = "2006-02-08 20:30";
  record.weekday = 3;
  return record;
}

class DueThresholdTest : public ChinaTimeTest {};

TEST_F(DueThresholdTest, AccuracyStretchesTheThresholdToTheEndOfToday) {
  FixedClock clock(kTuesdayMorning + 59);
  DueThreshold exact = ComputeDueThreshold(clock, 0);
  EXPECT_EQ(exact.threshold, "2006-02-07 10:00");
  EXPECT_EQ(exact.todayWeekday, 2);
  EXPECT_EQ(ComputeDueThreshold(clock, 1).threshold, "2006-02-07 23:59");
  // Only 1 switches accuracy on.
  EXPECT_EQ(ComputeDueThreshold(clock, 2).threshold, "2006-02-07 10:00");
}

TEST_F(DueThresholdTest, SundayIsWeekdayZero) {
  FixedClock clock(1139102100);  // 2006-02-05 09:15
  EXPECT_EQ(ComputeDueThreshold(clock, 0).todayWeekday, 0);
}

TEST(IsNextTimeDueTest, OnlyConcreteTimesAtOrBeforeTheThresholdAreDue) {
  const std::string threshold = "2006-02-07 10:00";
  EXPECT_FALSE(IsNextTimeDue("", threshold));
  EXPECT_FALSE(IsNextTimeDue("Unknown", threshold));
  EXPECT_TRUE(IsNextTimeDue("2006-02-07 10:00", threshold));
  EXPECT_TRUE(IsNextTimeDue("2006-02-07 09:59", threshold));
  EXPECT_TRUE(IsNextTimeDue("2005-12-31 23:59", threshold));
  EXPECT_FALSE(IsNextTimeDue("2006-02-07 10:01", threshold));
  EXPECT_FALSE(IsNextTimeDue("2006-02-08 00:00", threshold));
}

struct GapCase {
  const char* stored;  // earliestUpdate before the update
  std::time_t gap;     // seconds since the previous update
  const char* expected;
};

class EarliestUpdateTest : public ChinaTimeTest, public ::testing::WithParamInterface<GapCase> {};

TEST_P(EarliestUpdateTest, RecordsOnlyAStrictlyQuickerGapAboveOneMinute) {
  SeriesRecord record;
  record.updateTime = "2006-01-31 20:30";
  record.earliestUpdate = GetParam().stored;
  FixedClock clock(kChinaTuesdayEvening + GetParam().gap);
  RecordEarliestUpdate(record, clock);
  EXPECT_EQ(record.earliestUpdate, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Gaps, EarliestUpdateTest,
    ::testing::Values(GapCase{"", 60, ""}, GapCase{"", 61, "周二(火)20:31 61"},
                      GapCase{"", 604799, "周二(火)20:29 604799"}, GapCase{"", 604800, ""},
                      GapCase{"", 0, ""}, GapCase{"", -7200, ""},
                      // The same gap as the best so far is no news.
                      GapCase{"周日(日)09:15 3600", 3600, "周日(日)09:15 3600"},
                      GapCase{"周日(日)09:15 3600", 3599, "周二(火)21:29 3599"},
                      // Weekday and time without a number: a week is the best so far.
                      GapCase{"周日(日)09:15 ", 604799, "周二(火)20:29 604799"}));

class ApplyDueRulesTest : public ChinaTimeTest {
 protected:
  RowColour Apply(SeriesRecord& record, int tab = kAnime, int accuracy = 0) {
    return ApplyDueRules(record, tab, ComputeDueThreshold(clock_, accuracy), settings_, clock_);
  }

  FixedClock clock_{kTuesdayMorning};
  ReminderSettings settings_ = AllRulesOn();
};

TEST_F(ApplyDueRulesTest, QuietWorkStaysUncolouredAndUnflagged) {
  SeriesRecord record = QuietRecord();
  EXPECT_EQ(Apply(record), kNoColour);
  EXPECT_EQ(record.weekdayDue, 0);
  EXPECT_EQ(record.earliestDue, 0);
  EXPECT_EQ(record.nextTime, "2006-02-08 20:30");
}

TEST_F(ApplyDueRulesTest, EmptyNextTimeBecomesOneWeekAfterTheUpdateOnKindTabs) {
  for (int tab : {kAnime, kManga, kOva, kDrama}) {
    SeriesRecord record = QuietRecord();
    record.nextTime.clear();
    Apply(record, tab);
    EXPECT_EQ(record.nextTime, "2006-02-08 20:30") << tab;
  }
}

TEST_F(ApplyDueRulesTest, WorkUpdatedAWeekAgoIsDueFromItsMinute) {
  SeriesRecord record = QuietRecord();
  record.updateTime = "2006-01-31 10:00";
  record.nextTime.clear();
  EXPECT_EQ(Apply(record), kNextColour);
  EXPECT_EQ(record.nextTime, "2006-02-07 10:00");
  clock_.Advance(-60);
  record.nextTime.clear();
  EXPECT_EQ(Apply(record), kNoColour);
}

TEST_F(ApplyDueRulesTest, AwaitedTabKeepsAnEmptyNextTime) {
  SeriesRecord record = QuietRecord();
  record.nextTime.clear();
  EXPECT_EQ(Apply(record, kAwaitedList), kNoColour);
  EXPECT_EQ(record.nextTime, "");
}

TEST_F(ApplyDueRulesTest, FinishedTabClearsTheFlagsAndNeverColours) {
  SeriesRecord record = QuietRecord();
  record.nextTime = "2006-01-01 00:00";
  record.weekday = 2;
  record.weekdayDue = record.earliestDue = record.manualNextTime = 1;
  EXPECT_EQ(Apply(record, kFinishedList), kNoColour);
  EXPECT_EQ(record.weekdayDue, 0);
  EXPECT_EQ(record.earliestDue, 0);
  EXPECT_EQ(record.manualNextTime, 0);

  record.nextTime.clear();
  Apply(record, kFinishedList);
  EXPECT_EQ(record.nextTime, "");
}

TEST_F(ApplyDueRulesTest, UpdatedTodayIsNeverMarkedButTheFlagsSurviveUntilTomorrow) {
  SeriesRecord record = QuietRecord();
  record.updateTime = "2006-02-07 08:00";
  record.nextTime = "2006-02-01 00:00";
  record.weekday = 2;
  record.weekdayDue = record.earliestDue = 1;
  EXPECT_EQ(Apply(record), kNoColour);
  EXPECT_EQ(record.weekdayDue, 1);
  EXPECT_EQ(record.earliestDue, 1);

  record.nextTime = "2006-02-14 08:00";
  clock_.Advance(kDay);  // Wednesday: no weekday match, the flags still colour
  EXPECT_EQ(Apply(record), kEarliestColour);
}

TEST_F(ApplyDueRulesTest, AWeekdayMatchStaysMarkedOnTheFollowingDays) {
  SeriesRecord record = QuietRecord();
  record.weekday = 2;
  record.nextTime = "2006-03-01 00:00";
  EXPECT_EQ(Apply(record), kWeekdayColour);
  EXPECT_EQ(record.weekdayDue, 1);
  for (int day = 1; day <= 3; ++day) {
    clock_.Advance(kDay);
    EXPECT_EQ(Apply(record), kWeekdayColour) << day;
  }
}

TEST_F(ApplyDueRulesTest, SwitchedOffRulesStillSetTheirFlags) {
  settings_.rules[kWeekdayRule].enabled = 0;
  settings_.rules[kEarliestUpdateRule].enabled = 0;
  SeriesRecord record = QuietRecord();
  record.weekday = 2;
  record.earliestUpdate = "周二(火)20:31 61";
  EXPECT_EQ(Apply(record), kNoColour);
  EXPECT_EQ(record.weekdayDue, 1);
  EXPECT_EQ(record.earliestDue, 1);
}

TEST_F(ApplyDueRulesTest, ManualNextTimeKeepsTheWeekdayRulesFromStarting) {
  SeriesRecord record = QuietRecord();
  record.weekday = 2;
  record.earliestUpdate = "周二(火)20:31 61";
  record.manualNextTime = 1;
  EXPECT_EQ(Apply(record), kNoColour);
  EXPECT_EQ(record.weekdayDue, 0);
  EXPECT_EQ(record.earliestDue, 0);
  // Already set flags still apply.
  record.weekdayDue = 1;
  EXPECT_EQ(Apply(record), kWeekdayColour);
}

TEST_F(ApplyDueRulesTest, OnlyAMatchingWeekdayStartsTheWeekdayRule) {
  SeriesRecord record = QuietRecord();
  record.weekday = -1;
  EXPECT_EQ(Apply(record), kNoColour);
  clock_.Set(1139102100);  // Sunday 2006-02-05 09:15
  record.weekday = 0;
  EXPECT_EQ(Apply(record), kWeekdayColour);
}

TEST_F(ApplyDueRulesTest, EarliestUpdateMatchesOnTheWeekdayNameOnly) {
  struct Case {
    const char* earliestUpdate;
    RowColour expected;
  };
  const Case cases[] = {
      {"周二(火)23:59 100000", kEarliestColour},
      {"周二(火)", kEarliestColour},
      {"周三(水)10:00 100", kNoColour},
      {"周二", kNoColour},
      {"", kNoColour},
  };
  for (const Case& c : cases) {
    SeriesRecord record = QuietRecord();
    record.earliestUpdate = c.earliestUpdate;
    EXPECT_EQ(Apply(record), c.expected) << c.earliestUpdate;
  }
}

TEST_F(ApplyDueRulesTest, AccuracyMakesALaterTimeTodayDueAllDay) {
  SeriesRecord record = QuietRecord();
  record.nextTime = "2006-02-07 23:59";
  EXPECT_EQ(Apply(record, kAnime, 1), kNextColour);
  EXPECT_EQ(Apply(record, kAnime, 0), kNoColour);
  clock_.Set(kTuesdayMorning + 13 * kHour + 59 * 60);  // 23:59
  EXPECT_EQ(Apply(record, kAnime, 0), kNextColour);
}

struct PriorityCase {
  bool weekday;
  bool earliest;
  bool next;
  RowColour expected;
};

class DueColourPriorityTest : public ApplyDueRulesTest,
                              public ::testing::WithParamInterface<PriorityCase> {};

TEST_P(DueColourPriorityTest, NextTimeBeatsEarliestUpdateBeatsWeekday) {
  SeriesRecord record = QuietRecord();
  if (GetParam().weekday) record.weekday = 2;
  if (GetParam().earliest) record.earliestUpdate = "周二(火)20:31 61";
  if (GetParam().next) record.nextTime = "2006-02-07 09:00";
  EXPECT_EQ(Apply(record), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, DueColourPriorityTest,
                         ::testing::Values(PriorityCase{true, false, false, kWeekdayColour},
                                           PriorityCase{false, true, false, kEarliestColour},
                                           PriorityCase{false, false, true, kNextColour},
                                           PriorityCase{true, true, false, kEarliestColour},
                                           PriorityCase{true, false, true, kNextColour},
                                           PriorityCase{false, true, true, kNextColour},
                                           PriorityCase{true, true, true, kNextColour}));

}  // namespace
}  // namespace mirevo
