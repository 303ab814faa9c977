#include "reminders/due_summary.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

constexpr char kThreshold[] = "2006-02-07 10:00";
constexpr char kPassed[] = "2006-02-07 09:00";
// "\n……以下省略" as the balloon receives it.
constexpr char kCutMark[] = "\n\xA1\xAD\xA1\xAD\xD2\xD4\xCF\xC2\xCA\xA1\xC2\xD4";

void Add(RecordList& list, std::string name, std::string nextTime, int episode = 1) {
  SeriesRecord& record = list.InsertNewRecord();
  std::tie(record.name, record.nextTime, record.episode) = std::tuple(name, nextTime, episode);
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

// Each decimal digit of tipShowType chooses a section, anime the
// ten-thousands (and whatever lies above), awaited the units; a section's
// header appears even with nothing due.
TEST(DueSummaryTest, TipShowTypeDigitsChooseTheSections) {
  RecordStore store;  // one due work in every list, finished included
  const char* names[kListCount] = {"anime", "manga", "ova", "drama", "finished", "awaited"};
  for (int list = 0; list < kListCount; ++list) Add(store.lists[list], names[list], kPassed);
  Add(store.lists[kOva], "later", "2006-02-08 00:00");
  const std::pair<int, std::string> cases[] = {
      {11111,
       "===动画===\nanime     2\n===漫画===\nmanga     2\n===OVA====\nova     2\n"
       "===日剧===\ndrama     2\n===期待===\nawaited     2\n"},
      {21010, "===动画===\nanime     2\n===漫画===\nmanga     2\n===日剧===\ndrama     2\n"},
      {102, "===OVA====\nova     2\n===期待===\nawaited     2\n"},
      {0, ""},
      {-11111, ""},
  };
  for (const auto& [tip, expected] : cases)
    EXPECT_EQ(BuildDueSummary(store, tip, kThreshold), expected) << tip;
  RecordStore nothingDue;
  Add(nothingDue.lists[kAnime], "later", "2006-02-08 00:00");
  EXPECT_EQ(BuildDueSummary(nothingDue, 10001, kThreshold), "===动画===\n===期待===\n");
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

}  // namespace
}  // namespace mirevo
