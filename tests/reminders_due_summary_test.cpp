#include "reminders/due_summary.h"

#include <gtest/gtest.h>

#include "reminders/due_rules.h"
#include "reminders_time_zone.h"

namespace mirevo {
namespace {

using testing::ChinaTimeTest;
using testing::kChinaTuesdayEvening;

constexpr char kThreshold[] = "2006-02-07 10:00";
constexpr char kPassed[] = "2006-02-07 09:00";
constexpr char kAnimeHeader[] = "===动画===\n";
constexpr char kAwaitedHeader[] = "===期待===\n";
// "\n……以下省略" as the balloon receives it.
constexpr char kCutMark[] = "\n\xA1\xAD\xA1\xAD\xD2\xD4\xCF\xC2\xCA\xA1\xC2\xD4";

void Add(RecordList& list, std::string name, std::string nextTime, int episode = 1) {
  SeriesRecord& record = list.InsertNewRecord();
  record.name = std::move(name);
  record.nextTime = std::move(nextTime);
  record.episode = episode;
}

TEST(DueSummaryTextTest, HeadersAndMarkAreGbk) {
  EXPECT_EQ(std::string(kAnimeHeader), "===\xB6\xAF\xBB\xAD===\n");
  RecordStore store;
  Add(store.lists[kAnime], std::string(300, 'a'), kPassed);
  std::string text = BuildDueSummary(store, 10000, kThreshold);
  EXPECT_EQ(text.substr(240), kCutMark);
}

TEST(ListDueLinesTest, ListsPassedConcreteTimesInListOrder) {
  RecordList list;
  Add(list, "late", "2006-02-07 10:01");
  Add(list, "unknown", "Unknown");
  Add(list, "empty", "");
  Add(list, "exact", kThreshold, 0);
  Add(list, "动画", kPassed, 3);  // added last, so first in the list
  EXPECT_EQ(ListDueLines(list, kThreshold), "动画     4\nexact     1\n");
}

TEST(ListDueLinesTest, EmptyListGivesNothing) {
  EXPECT_EQ(ListDueLines(RecordList(), kThreshold), "");
}

// One due work in every list, finished included.
RecordStore StoreWithAWorkInEachList() {
  RecordStore store;
  const char* names[kListCount] = {"anime", "manga", "ova", "drama", "finished", "awaited"};
  for (int list = 0; list < kListCount; ++list) Add(store.lists[list], names[list], kPassed);
  return store;
}

struct SectionCase {
  int tipShowType;
  const char* expected;
};

class DueSummarySectionsTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(DueSummarySectionsTest, DigitsChooseTheSections) {
  EXPECT_EQ(BuildDueSummary(StoreWithAWorkInEachList(), GetParam().tipShowType, kThreshold),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TipShowType, DueSummarySectionsTest,
    ::testing::Values(
        SectionCase{11111,
                    "===动画===\nanime     2\n===漫画===\nmanga     2\n===OVA====\nova     2\n"
                    "===日剧===\ndrama     2\n===期待===\nawaited     2\n"},
        SectionCase{99999,
                    "===动画===\nanime     2\n===漫画===\nmanga     2\n===OVA====\nova     2\n"
                    "===日剧===\ndrama     2\n===期待===\nawaited     2\n"},
        SectionCase{10001, "===动画===\nanime     2\n===期待===\nawaited     2\n"},
        SectionCase{1000, "===漫画===\nmanga     2\n"}, SectionCase{100, "===OVA====\nova     2\n"},
        SectionCase{10, "===日剧===\ndrama     2\n"}, SectionCase{1, "===期待===\nawaited     2\n"},
        SectionCase{20000, "===动画===\nanime     2\n"},
        SectionCase{12, "===日剧===\ndrama     2\n===期待===\nawaited     2\n"}, SectionCase{0, ""},
        SectionCase{-11111, ""}));

TEST(DueSummaryTest, HeadersAppearEvenWithNothingDue) {
  RecordStore store;
  Add(store.lists[kAnime], "later", "2006-02-08 00:00");
  Add(store.lists[kAwaitedList], "waiting", "");
  EXPECT_EQ(BuildDueSummary(store, 10001, kThreshold), std::string(kAnimeHeader) + kAwaitedHeader);
}

class DueSummaryAccuracyTest : public ChinaTimeTest {};

TEST_F(DueSummaryAccuracyTest, AccuracyListsWorksDueLaterToday) {
  RecordStore store;
  Add(store.lists[kAnime], "tonight", "2006-01-31 23:00");
  FixedClock clock(kChinaTuesdayEvening);
  EXPECT_EQ(BuildDueSummary(store, 10000, ComputeDueThreshold(clock, 1).threshold),
            "===动画===\ntonight     2\n");
  EXPECT_EQ(BuildDueSummary(store, 10000, ComputeDueThreshold(clock, 0).threshold), "===动画===\n");
}

// The anime header (11 bytes) and one line "name     2\n" (name + 7 bytes).
RecordStore StoreOfLength(std::size_t bytes, std::string middle = "") {
  RecordStore store;
  std::string name = std::string(bytes - 11 - 7 - middle.size(), 'a');
  name.insert(228, middle);  // at byte 11 + 228 = 239 of the text
  Add(store.lists[kAnime], name, kPassed);
  return store;
}

TEST(DueSummaryCutTest, TextOf249BytesStaysWhole) {
  std::string text = BuildDueSummary(StoreOfLength(249), 10000, kThreshold);
  EXPECT_EQ(text, "===动画===\n" + std::string(249 - 11 - 7, 'a') + "     2\n");
}

TEST(DueSummaryCutTest, TextOf250BytesIsCutTo240PlusTheMark) {
  const std::string whole = "===动画===\n" + std::string(250 - 11 - 7, 'a') + "     2\n";
  std::string text = BuildDueSummary(StoreOfLength(250), 10000, kThreshold);
  EXPECT_EQ(text.size(), 253u);
  EXPECT_EQ(text, whole.substr(0, 240) + kCutMark);
}

TEST(DueSummaryCutTest, AFollowingSectionThatReaches250IsCut) {
  RecordStore store = StoreOfLength(249);
  std::string text = BuildDueSummary(store, 10001, kThreshold);
  EXPECT_EQ(text.size(), 253u);
  EXPECT_EQ(text.substr(240), kCutMark);
}

TEST(DueSummaryCutTest, NeverSplitsATwoByteCharacter) {
  // "中" occupies bytes 239 and 240: keeping 240 bytes would keep half of it.
  std::string text = BuildDueSummary(StoreOfLength(300, "中"), 10000, kThreshold);
  ASSERT_EQ(text.size(), 239u + 13u);
  EXPECT_EQ(text.substr(229, 10), std::string(10, 'a'));
  EXPECT_EQ(text.substr(239), kCutMark);
}

TEST(DueSummaryCutTest, KeepsACharacterThatEndsAtByte240) {
  // One more byte before "中" makes it end exactly at the cut.
  RecordStore store;
  std::string name = std::string(227, 'a') + "中" + std::string(60, 'a');
  Add(store.lists[kAnime], name, kPassed);
  std::string text = BuildDueSummary(store, 10000, kThreshold);
  ASSERT_EQ(text.size(), 253u);
  EXPECT_EQ(text.substr(238, 2), "中");
  EXPECT_EQ(text.substr(240), kCutMark);
}

}  // namespace
}  // namespace mirevo
