#include "reminders/reminder_schedule.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "reminders/due_rules.h"
#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using ScheduleTest = testing::ChinaTimeTest;
using ScheduleDaylightSavingTest = testing::DaylightSavingTest;
using NextTimes = std::array<std::vector<const char*>, kListCount>;  // by list

// Sunday 2006-02-05 00:00 in China, counted independently of the code under test.
constexpr std::time_t kSunday = 1139068800, kMinute = 60, kHour = 3600, kDay = 86400;
constexpr std::time_t Sunday(int hour, int minute = 0) {
  return kSunday + hour * kHour + minute * kMinute;
}

RecordStore StoreOf(const NextTimes& nextTimes) {
  RecordStore store;
  for (int list = 0; list < kListCount; ++list)
    for (const char* next : nextTimes[list]) {
      SeriesRecord& record = store.lists[list].InsertNewRecord();
      std::tie(record.id, record.nextTime) = std::tuple(++store.idCounter, next);
    }
  return store;
}

// One store asked at many moments, in any order as after a clock set back.
// Damaged next times name no moment; a minute past 59 is due from the next
// hour on, as the bytes compare.
TEST_F(ScheduleTest, NextDueMomentIsTheEarliestNextTimeAheadOrTheDayChange) {
  const RecordStore store = StoreOf({{
      {"2006-02-05 08:00", "2006-02-05 10:0", "2006-02-05 10:000", "Unknown", ""},  // anime
      {"2006-02-06 08:00"},                                                         // manga
      {"2006-02-05 10:75", "2006-02-05 1-:00"},                                     // OVA
      {"2006-02-05 23:30", "2006-02-05 10.00"},                                     // drama
      {"2006-02-05 10:00"},                                                         // finished
      {"2006-02-05 19:00"},                                                         // awaited
  }});
  const std::tuple<std::time_t, bool, std::time_t> cases[] = {
      {kSunday - 30, false, kSunday},  // 23:59:30 on Saturday
      {Sunday(7), false, Sunday(8)},
      {Sunday(9), false, Sunday(11)},
      {Sunday(11), false, Sunday(19)},
      {Sunday(19), false, Sunday(23, 30)},
      {Sunday(23, 30) - 1, false, Sunday(23, 30)},
      {Sunday(23, 30), false, kSunday + kDay},  // due from now on
      {Sunday(9), true, kSunday + kDay},
      {1167580800 - 2 * kHour, false, 1167580800},  // to 2007-01-01
  };
  for (const auto& [now, byDay, expected] : cases)
    EXPECT_EQ(NextDueMoment(store, now, byDay), expected) << now - kSunday << " " << byDay;
}

// Skipped and repeated hours: the moment the clock first shows the next
// time. The last Sundays of March and October in Europe; the second Sunday of
// March and the first of November under the Windows runtime's US rules.
TEST_F(ScheduleDaylightSavingTest, NextDueMomentAcrossTheChanges) {
#ifdef _WIN32
  constexpr std::time_t kJump = 1710064800, kFirstPass = 1730622600;
  constexpr const char *kSkipped = "2024-03-10 02:30", *kRepeated = "2024-11-03 01:30";
#else
  constexpr std::time_t kJump = 1711846800, kFirstPass = 1729989000;
  constexpr const char *kSkipped = "2024-03-31 02:30", *kRepeated = "2024-10-27 02:30";
#endif
  const std::tuple<std::time_t, const char*, std::time_t> cases[] = {
      {kJump - 1800, kSkipped, kJump},
      {kFirstPass - 3600, kRepeated, kFirstPass},
      {kFirstPass + 2400, kRepeated, kFirstPass + 3600},  // in the second pass
  };
  for (const auto& [now, next, expected] : cases)
    EXPECT_EQ(NextDueMoment(StoreOf({{{next}}}), now, false), expected) << next;
#ifndef _WIN32
  // A day that starts at 01:00: the date turns at the jump.
  testing::ScopedTimeZone brazil("America/Sao_Paulo");
  EXPECT_EQ(NextDueMoment(RecordStore{}, 1162692000, false), 1162695600);
#endif
}

// The window's round: wait; sleep through two due times and prompt once; the
// clock set back; a summary shown by hand; a work updated and due again.
TEST_F(ScheduleTest, EachDueWorkPromptsOnceWhateverTheClockDoes) {
  RecordStore store = StoreOf({{{"2006-02-05 10:00"}, {}, {}, {"2006-02-05 11:00"}}});
  SeenDueWorks seen;
  auto threshold = [](std::time_t now) {
    return ComputeDueThreshold(FixedClock(now), false).threshold;
  };
  auto newlyDue = [&](std::time_t now) { return seen.HasNewlyDue(store, 11111, threshold(now)); };
  auto show = [&](std::time_t now) { seen.MarkSeen(store, 11111, threshold(now)); };
  const std::time_t moment = NextDueMoment(store, Sunday(9), false);
  EXPECT_EQ(MillisecondsUntil(moment, Sunday(9)), 3600000u);
  EXPECT_FALSE(newlyDue(Sunday(9)));
  EXPECT_EQ(MillisecondsUntil(moment, Sunday(12)), 0u);  // slept through both: check now
  EXPECT_TRUE(newlyDue(Sunday(12)));
  show(Sunday(12));
  EXPECT_FALSE(newlyDue(Sunday(12)));
  EXPECT_FALSE(newlyDue(moment));  // the clock set back: seen already
  show(moment);                    // by hand, listing only the first work
  EXPECT_TRUE(newlyDue(Sunday(12)));
  show(Sunday(12));
  SeriesRecord& first = store.lists[kAnime].Head();
  first.nextTime = "2006-02-12 10:00";  // updated: due again a week later
  EXPECT_TRUE(newlyDue(Sunday(10) + 7 * kDay));
  std::tie(first.id, first.nextTime) = std::tuple(5, "2006-02-05 10:00");  // another work
  EXPECT_TRUE(newlyDue(Sunday(12)));
  EXPECT_EQ(MillisecondsUntil(Sunday(12) + 30 * kDay, Sunday(12)), 2147483000u);
}

TEST(ScheduleSeenDueWorksTest, OnlyWorksOfTheSelectedSectionsPrompt) {
  const std::tuple<int, int, bool> cases[] = {
      {kAnime, 10000, true},   {kManga, 10000, false},       {kOva, 100, true},
      {kAwaitedList, 1, true}, {kAwaitedList, 11110, false}, {kFinishedList, 11111, false},
  };
  for (const auto& [list, sections, expected] : cases) {
    NextTimes nextTimes;
    nextTimes[list] = {"2006-02-05 10:00"};
    EXPECT_EQ(SeenDueWorks().HasNewlyDue(StoreOf(nextTimes), sections, "2006-02-05 12:00"),
              expected)
        << list << " " << sections;
  }
}

}  // namespace
}  // namespace mirevo
