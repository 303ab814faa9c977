#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <tuple>
#include <vector>

#include "store/record_list.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

std::vector<int> Ids(const RecordList& list) {
  std::vector<int> ids;
  for (const SeriesRecord& r : list) ids.push_back(r.id);
  return ids;
}

RecordList ListOfIds(std::initializer_list<int> idsTailFirst) {
  RecordList list;
  for (int id : idsTailFirst) list.InsertNewRecord().id = id;
  return list;
}

TEST(SeriesRecordTest, NewRecordDefaultsAndKeysByColumn) {
  RecordList list;
  const SeriesRecord& fresh = list.InsertNewRecord();
  EXPECT_EQ(fresh.earliestDue + fresh.weekdayDue + fresh.manualNextTime, 0);
  SeriesRecord r;
  std::tie(r.id, r.airTime, r.weekday, r.name, r.episode, r.category, r.rating) =
      std::tuple(7, "23:30", 3, "n", 12, 2, 3);
  std::tie(r.updateTime, r.notes, r.previewPath, r.nextTime, r.keyword, r.earliestUpdate) =
      std::tuple("u", "m", "p", "D", "k", "W");
  const char* texts[] = {"", "23:30", "n", "", "", "", "u", "m", "p", "D", "k", "W"};
  const int numbers[] = {7, 3, 0, 12, 2, 3, 0, 0, 0, 0, 0, 0};
  const int freshNumbers[] = {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};  // episode 1
  for (int column = 0; column < kColumnCount; ++column) {
    EXPECT_EQ(r.TextByColumn(column), texts[column]) << column;
    EXPECT_EQ(r.NumberByColumn(column), numbers[column]) << column;
    EXPECT_EQ(fresh.TextByColumn(column), "") << column;
    EXPECT_EQ(fresh.NumberByColumn(column), freshNumbers[column]) << column;
  }
  EXPECT_EQ(r.TextByColumn(12), "");
  EXPECT_EQ(r.NumberByColumn(-1), 0);
}

TEST(RecordListTest, InsertsAtTheHeadReversesAndRemovesTheFirstWithAnId) {
  RecordList list = ListOfIds({1, 2, 2, 3});
  EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 2, 1}));
  list.RemoveById(2);
  list.RemoveById(42);
  EXPECT_EQ(Ids(list), (std::vector<int>{3, 2, 1}));
  list.ReverseOrder();
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3}));
  list.FindById(1)->nextTime = "Unknown";
  list.FindById(2)->nextTime = "2007-08-27 23:45";
  list.ClearNextTimes();
  for (const SeriesRecord& r : list) EXPECT_EQ(r.nextTime, "");

  RecordList empty;
  empty.ReverseOrder();
  empty.SortRecords(2, false);
  empty.RemoveById(1);
  EXPECT_TRUE(empty.empty());
}

TEST(RecordListTest, MovesARecordToTheHeadUnchanged) {
  RecordList source = ListOfIds({1, 2, 3});
  source.FindById(2)->name = "moved";
  RecordList target = ListOfIds({10, 11});
  target.MoveFromList(source, 2);
  target.MoveFromList(source, 99);
  RecordList empty;
  target.MoveFromList(empty, 3);
  EXPECT_EQ(Ids(source), (std::vector<int>{3, 1}));
  EXPECT_EQ(Ids(target), (std::vector<int>{2, 11, 10}));
  EXPECT_EQ(target.Head().name, "moved");
}

// The order the column header has always produced: a selection sort on the
// chain that moves the last of the greatest (ascending) or smallest
// (descending) keys to the front of a result chain, one pass per key kind.
void LiteralSelectionPass(std::vector<SeriesRecord>& chain, bool descending,
                          const auto& compareKeys) {
  std::deque<SeriesRecord> result;
  while (chain.size() > 1) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < chain.size(); ++i) {
      int c = compareKeys(chain[i], chain[best]);
      if (descending ? c <= 0 : c >= 0) best = i;
    }
    result.push_front(chain[best]);
    chain.erase(chain.begin() + static_cast<std::ptrdiff_t>(best));
  }
  chain.insert(chain.end(), result.begin(), result.end());
}

// The unique tags in the order of the literal sort.
std::vector<int> LiteralSort(const RecordList& list, int column, bool descending) {
  std::vector<SeriesRecord> chain(list.begin(), list.end());
  if (chain.empty()) return {};
  if (IsTextColumn(column))
    LiteralSelectionPass(chain, descending, [column](const SeriesRecord& a, const SeriesRecord& b) {
      return CompareText(a.TextByColumn(column), b.TextByColumn(column));
    });
  if (IsNumberColumn(column))
    LiteralSelectionPass(chain, descending, [column](const SeriesRecord& a, const SeriesRecord& b) {
      int x = a.NumberByColumn(column);
      int y = b.NumberByColumn(column);
      return (x > y) - (x < y);
    });
  std::vector<int> tags;
  for (const SeriesRecord& r : chain) tags.push_back(r.manualNextTime);
  return tags;
}

// Few distinct keys, so most comparisons meet equal keys and stability shows.
RecordList RandomListWithEqualKeys(std::mt19937& rng, int size) {
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const char* texts[] = {"", "a", "ab", "b", "周一", "周日", "\x81\xFF", "Unknown"};
  RecordList list;
  for (int i = 0; i < size; ++i) {
    SeriesRecord& r = list.InsertNewRecord();
    r.id = pick(4);  // ids repeat too: the record's position tells it apart
    std::tie(r.weekday, r.episode, r.category, r.rating) =
        std::tuple(pick(4) - 1, pick(3), pick(2), pick(4));
    std::tie(r.airTime, r.name, r.updateTime, r.notes, r.previewPath, r.nextTime, r.keyword,
             r.earliestUpdate) =
        std::tuple(texts[pick(4)], texts[pick(8)], texts[pick(3)], texts[pick(8)], texts[pick(2)],
                   texts[pick(8)], texts[pick(3)], texts[pick(3)]);
    r.manualNextTime = i;  // a unique tag the sort never looks at
  }
  return list;
}

TEST(RecordListTest, SortGivesTheSelectionSortOrderOnEveryColumn) {
  std::mt19937 rng(20261206);
  for (int round = 0; round < 60; ++round) {
    const RecordList original = RandomListWithEqualKeys(rng, round % 25);
    for (int column = -1; column <= kColumnCount; ++column) {
      for (bool descending : {false, true}) {
        // Records are told apart by their unique tag, since ids repeat.
        RecordList sorted = original;
        sorted.SortRecords(column, descending);
        std::vector<int> expected = LiteralSort(original, column, descending);
        std::vector<int> actual;
        for (const SeriesRecord& r : sorted) actual.push_back(r.manualNextTime);
        ASSERT_EQ(actual, expected)
            << "column " << column << (descending ? " desc" : " asc") << " round " << round;
      }
    }
  }
}

}  // namespace
}  // namespace mirevo
