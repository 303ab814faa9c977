#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reminders/due_rules.h"
#include "reminders/due_summary.h"
#include "reminders/earliest_update.h"
#include "reminders/reminder_schedule.h"
#include "reminders/time_text.h"
#include "reminders/time_zone.h"
#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using namespace testing;

// Sunday 2006-02-05 00:00 in China, counted independently of the code under test.
constexpr std::time_t kSunday = 1139068800, kMinute = 60, kHour = 3600;
constexpr std::time_t Sunday(int hour, int minute = 0) {
  return kSunday + hour * kHour + minute * kMinute;
}

// Local time as sixteen zero-padded bytes, the seconds dropped. The weekday
// names' bytes are pinned by the earliest updates the app tests write.
TEST_F(ChinaTimeTest, TimeTextIsLocalTimeReadNoFurtherThanItsEnd) {
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening + 59), "2006-01-31 20:30");
  EXPECT_EQ(FormatTimeText(kChinaTuesdayEvening - 20 * 3600 - 25 * 60), "2006-01-31 00:05");
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

// Every day of three years (and days past a month's end) at the clock times
// the zones below skip (00:00, 02:00, 02:30) and two others, with the text a
// week later by the calendar alone: China's clock has not changed since
// 1991. The calendar arithmetic of WeekAhead checks AddOneWeek across months,
// years and leap days too. Then texts the calendar arithmetic must leave to
// AddOneWeek: short, damaged, out of range, before the runtime's first day,
// past the last year of four digits.
//
// One WeekAhead over a whole fill gives what AddOneWeek gives each text, in
// zones whose clocks change in ways a fill must follow: none, an hour in
// spring and autumn, and natively half an hour (Lord Howe), at midnight (São
// Paulo, 2018) and a whole day skipped (Apia, 2011-12-30). A clock time the
// day a week later skips has no right answer but the C library's, which even
// depends on its earlier calls: there WeekAhead must not answer by the
// calendar.
TEST(WeekAheadTest, GivesWhatAddOneWeekGivesInEveryZone) {
  ScopedTimeZone china(kChinaZone);
  std::vector<std::pair<std::string, std::string>> weeks;
  for (int year : {2011, 2018, 2024})
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= 31; ++day)
        for (int minutes : {0, 120, 150, 750, 1439}) {
          char text[32];
          std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day,
                        minutes / 60, minutes % 60);
          weeks.emplace_back(text, AddOneWeek(text));
        }
  for (const char* text :
       {"2006-01-31 20:3", "2006-01-31 20:30x", "2006-13-01 10:00", "2006-01-31 24:00",
        "2006-01-31 20:60", "2006/01/31 20:30", "2006-01-3a 20:30", "1969-12-20 10:00",
        "1969-12-25 10:00", "1970-01-01 00:00", "9999-12-30 12:00", "2100-02-28 08:00", ""})
    weeks.emplace_back(text, AddOneWeek(text));
  std::vector<const char*> zones{kChinaZone, kDaylightSavingZone};
#ifndef _WIN32
  zones.insert(zones.end(), {"Australia/Lord_Howe", "America/Sao_Paulo", "Pacific/Apia"});
#endif
  for (const char* zone : zones) {
    ScopedTimeZone pinned(zone);
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

// 2006-02-07 10:00 in China, a Tuesday (weekday 2).
constexpr std::time_t kTuesdayMorning = kChinaTuesdayEvening + 7 * kOneDay - 37800;
constexpr RowColour kNext = 0xFF0000, kWeekday = 0x00FF00, kEarliest = 0x0000FF;

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

constexpr char kUpdate[] = "2006-02-01 20:30";

// A work shown on Tuesday 2006-02-07 10:00:59, last updated on Wednesday
// (unless `update` says otherwise), with one change at a time. The due
// threshold is the minute, or with accuracy (`byDay`) the end of today.
struct ApplyCase {
  int tab;
  int weekday;
  const char* next;
  const char* earliest;
  const char* flags;  // weekdayDue, earliestDue, manualNextTime
  RowColour colour;
  const char* flagsAfter;
  const char* nextAfter = nullptr;  // unchanged
  const char* update = kUpdate;
  bool byDay = false;
  ReminderSettings settings{{{{1, kNext}, {1, kWeekday}, {1, kEarliest}}}};
};

constexpr char kWed[] = "2006-02-08 20:30";
constexpr char kMarch[] = "2006-03-01 00:00";
constexpr char kTue61[] = "周二(火)20:31 61";
const ReminderSettings kSomeOff{{{{1, kNext}, {0, kWeekday}, {2, kEarliest}}}};

TEST_F(ChinaTimeTest, ApplyDueRulesColoursAndSetsFlags) {
  const ApplyCase cases[] = {
      // An empty next time becomes a week after the update on the kind tabs only.
      {kDrama, 3, "", "", "000", kNoColour, "000", kWed},
      {kAwaitedList, 3, "", "", "000", kNoColour, "000", ""},
      {kFinishedList, 3, "", "", "000", kNoColour, "000", ""},
      // Updated a week ago: due from its minute on.
      {kAnime, 3, "", "", "000", kNext, "000", "2006-02-07 10:00", "2006-01-31 10:00"},
      {kAnime, 3, "", "", "000", kNoColour, "000", "2006-02-07 10:01", "2006-01-31 10:01"},
      {kAnime, 3, "2006-02-07 23:59", "", "000", kNext, "000", nullptr, kUpdate, true},
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
      // Switched-off rules still set their flags; only 1 switches a rule on.
      {kAnime, 2, kWed, kTue61, "000", kNoColour, "110", nullptr, kUpdate, false, kSomeOff},
  };
  const FixedClock clock(kTuesdayMorning + 59);
  for (const ApplyCase& c : cases) {
    SeriesRecord r;
    std::tie(r.updateTime, r.nextTime, r.weekday, r.earliestUpdate) =
        std::tuple(c.update, c.next, c.weekday, c.earliest);
    std::tie(r.weekdayDue, r.earliestDue, r.manualNextTime) =
        std::tuple(Switch{c.flags[0] - '0'}, Switch{c.flags[1] - '0'}, Switch{c.flags[2] - '0'});
    const RowColour colour =
        ApplyDueRules(r, c.tab, ComputeDueThreshold(clock, c.byDay), c.settings, clock);
    const std::string flags = std::to_string(r.weekdayDue.value) +
                              std::to_string(r.earliestDue.value) +
                              std::to_string(r.manualNextTime.value);
    EXPECT_EQ(std::pair(colour, flags), std::pair(c.colour, std::string(c.flagsAfter)))
        << "case " << (&c - cases);
    EXPECT_EQ(r.nextTime, c.nextAfter ? c.nextAfter : c.next) << "case " << (&c - cases);
  }
}

constexpr char kThreshold[] = "2006-02-07 10:00";
constexpr char kPassed[] = "2006-02-07 09:00";
// "\n……以下省略" as the balloon receives it.
constexpr char kCutMark[] = "\n\xA1\xAD\xA1\xAD\xD2\xD4\xCF\xC2\xCA\xA1\xC2\xD4";

void Add(RecordList& list, std::string name, std::string nextTime, int episode = 1) {
  SeriesRecord& record = list.InsertNewRecord();
  std::tie(record.name, record.nextTime, record.episode) = std::tuple(name, nextTime, episode);
}

// Each decimal digit of tipShowType chooses a section, anime the
// ten-thousands (and whatever lies above), awaited the units; a section's
// header appears even with nothing due. A section lists its works whose
// concrete next time has come, in list order, with the episode after theirs.
TEST(DueSummaryTest, TipShowTypeDigitsChooseTheSections) {
  RecordStore store;  // one due work in every list but drama, finished included
  Add(store.lists[kAnime], "unknown", "Unknown");
  Add(store.lists[kAnime], "empty", "");
  Add(store.lists[kAnime], "exact", kThreshold, 0);
  const char* names[kListCount] = {"anime", "manga", "ova", nullptr, "finished", "awaited"};
  for (int list = 0; list < kListCount; ++list)
    if (names[list]) Add(store.lists[list], names[list], kPassed);
  Add(store.lists[kOva], "later", "2006-02-07 10:01");
  const std::pair<int, std::string> cases[] = {
      {11111,
       "===动画===\nanime     2\nexact     1\n===漫画===\nmanga     2\n===OVA====\nova     2\n"
       "===日剧===\n===期待===\nawaited     2\n"},
      {21010, "===动画===\nanime     2\nexact     1\n===漫画===\nmanga     2\n===日剧===\n"},
      {102, "===OVA====\nova     2\n===期待===\nawaited     2\n"},
      {0, ""},
      {-11111, ""},
  };
  for (const auto& [tip, expected] : cases)
    EXPECT_EQ(BuildDueSummary(store, tip, kThreshold), expected) << tip;
}

// A text of 250 bytes or more keeps its first 240 bytes, less half a
// two-byte character, and gets the mark. The anime header is 11 bytes, a
// line is the name and 7 bytes.
TEST(DueSummaryTest, LongTextsAreCutAtACharacterBoundary) {
  const std::string a(300, 'a');
  const std::tuple<std::string, int, std::size_t> cases[] = {
      {a.substr(0, 231), 10000, std::string::npos},             // 249 bytes stay whole
      {a.substr(0, 232), 10000, 240},                           // 250 bytes
      {a.substr(0, 231), 10001, 240},                           // the next section reaches 250
      {a.substr(0, 228) + "中" + a.substr(0, 60), 10000, 239},  // 中 at bytes 239 and 240
      {a.substr(0, 227) + "中" + a.substr(0, 60), 10000, 240},  // 中 ends at byte 240
  };
  for (const auto& [name, tip, kept] : cases) {
    RecordStore store;
    Add(store.lists[kAnime], name, kPassed);
    const std::string whole =
        "===动画===\n" + name + "     2\n" + (tip == 10001 ? "===期待===\n" : "");
    const std::string expected =
        kept == std::string::npos ? whole : whole.substr(0, kept) + kCutMark;
    EXPECT_EQ(BuildDueSummary(store, tip, kThreshold), expected) << name.size() << " " << tip;
  }
}

using NextTimes = std::array<std::vector<const char*>, kListCount>;  // by list

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
TEST_F(ChinaTimeTest, NextDueMomentIsTheEarliestNextTimeAheadOrTheDayChange) {
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
      {Sunday(23, 30), false, kSunday + kOneDay},  // due from now on
      {Sunday(9), true, kSunday + kOneDay},
      {1167580800 - 2 * kHour, false, 1167580800},  // to 2007-01-01
  };
  for (const auto& [now, byDay, expected] : cases)
    EXPECT_EQ(NextDueMoment(store, now, byDay), expected) << now - kSunday << " " << byDay;
}

// Skipped and repeated hours: the moment the clock first shows the next
// time. The last Sundays of March and October in Europe; the second Sunday of
// March and the first of November under the Windows runtime's US rules.
TEST(DaylightSavingTest, NextDueMomentAcrossTheChanges) {
  ScopedTimeZone zone(kDaylightSavingZone);
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
  ScopedTimeZone brazil("America/Sao_Paulo");
  EXPECT_EQ(NextDueMoment(RecordStore{}, 1162692000, false), 1162695600);
#endif
}

// The window's round: wait; sleep through two due times and prompt once; the
// clock set back; a summary shown by hand; a work updated and due again.
// Works of the sections not chosen (manga) and finished works never prompt.
TEST_F(ChinaTimeTest, EachDueWorkPromptsOnceWhateverTheClockDoes) {
  const char* nine = "2006-02-05 09:00";
  RecordStore store = StoreOf({{{"2006-02-05 10:00"}, {nine}, {}, {"2006-02-05 11:00"}, {nine}}});
  SeenDueWorks seen;
  // The threshold of a moment is its time text.
  auto newlyDue = [&](std::time_t t) { return seen.HasNewlyDue(store, 10111, FormatTimeText(t)); };
  auto show = [&](std::time_t t) { seen.MarkSeen(store, 10111, FormatTimeText(t)); };
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
  EXPECT_TRUE(newlyDue(Sunday(10) + 7 * kOneDay));
  std::tie(first.id, first.nextTime) = std::tuple(5, "2006-02-05 10:00");  // another work
  EXPECT_TRUE(newlyDue(Sunday(12)));
  EXPECT_EQ(MillisecondsUntil(Sunday(12) + 30 * kOneDay, Sunday(12)), 2147483000u);
}

// The zone the program keeps is one the Windows runtime reads; any other
// it clears, for the runtime would take it for UTC.
TEST(TimeZoneTest, OnlyTheRuntimesOwnFormIsKept) {
  const std::pair<std::string_view, bool> cases[] = {
      {"CST-8", true},   {"PST8PDT", true},        {"AZaz+10:09:59", true},
      {"XYZ3", true},    {"Asia/Shanghai", false}, {"8CST", false},
      {"CS-8", false},   {"CST-x", false},         {"CST123", false},
      {"CST-8:", false}, {"CST-8PD", false},       {"CST-8:30:15:10", false},
      {"", false},
  };
  for (const auto& [value, kept] : cases) EXPECT_EQ(IsRuntimeTimeZoneForm(value), kept) << value;
}

}  // namespace
}  // namespace mirevo
