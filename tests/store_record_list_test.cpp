#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "store/list_columns.h"
#include "store/record_list.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

using namespace std::string_literals;

// Inserting, removing and moving records are the app tests' (each command's
// data file); two works with one id are told apart by address there too.
// The literal sort below asks the keys themselves: their fields are checked
// here, column by column, as the list's headers use them.
TEST(SeriesRecordTest, EachKeyOrdersByItsFields) {
  SeriesRecord r;
  std::tie(r.id, r.airTime, r.weekday, r.name, r.episode, r.category, r.rating, r.updateTime,
           r.notes, r.previewPath, r.nextTime, r.keyword, r.earliestUpdate) =
      std::tuple(7, "23:30"s, 3, "n"s, 12, 2, 1, "u"s, "m"s, "p"s, "D"s, "k"s, "W"s);
  const std::optional<int> numbers[] = {7, 3, {}, 12, 2, 1, {}, {}, {}, {}, {}, {}};
  const std::string texts[] = {"", "23:30", "n", "", "", "", "u", "m", "p", "D", "k", "W"};
  for (int column = 0; column < kColumnCount; ++column) {
    const SortKey key = kListColumns[column].sortKey;
    const RecordText* text = SortText(r, key);
    EXPECT_EQ(std::tuple(SortNumber(r, key), text ? text->View() : ""),
              std::tuple(numbers[column], texts[column]))
        << column;
  }
}

// A text set from a part of itself keeps that part; a borrowed text points
// at its bytes, and a copy of it has bytes of its own.
TEST(RecordTextTest, KeepsWhatItWasSetTo) {
  RecordText text("ab;cd");
  text = text.View().substr(3);
  text += text;
  EXPECT_EQ(text, "cdcd");
  std::string bytes = "borrowed";
  RecordText borrowed;
  borrowed.Borrow(bytes);
  const RecordText copy = borrowed;
  bytes = "changed!";
  EXPECT_EQ(std::tuple(borrowed, copy), std::tuple("changed!", "borrowed"));
  borrowed.clear();
  EXPECT_TRUE(borrowed.empty());
}

// The order the column header has always produced: a selection sort on the
// chain that moved the last of the greatest (ascending) or smallest
// (descending) keys to the front of a result chain, one pass per key part,
// text first. Each such pass is a stable sort. Gives the unique tags.
std::vector<int> LiteralSort(const RecordList& list, SortKey key, bool descending) {
  std::vector<SeriesRecord> chain(list.begin(), list.end());
  const auto pass = [&](auto compare) {
    std::ranges::stable_sort(chain, [&](const SeriesRecord& a, const SeriesRecord& b) {
      return descending ? compare(b, a) < 0 : compare(a, b) < 0;
    });
  };
  if (!chain.empty() && SortText(chain[0], key))
    pass([key](const SeriesRecord& a, const SeriesRecord& b) {
      return CompareText(*SortText(a, key), *SortText(b, key));
    });
  if (!chain.empty() && SortNumber(chain[0], key))
    pass([key](const SeriesRecord& a, const SeriesRecord& b) {
      const int x = *SortNumber(a, key), y = *SortNumber(b, key);
      return (x > y) - (x < y);
    });
  std::vector<int> tags;
  for (const SeriesRecord& r : chain) tags.push_back(r.manualNextTime.value);
  return tags;
}

// Few distinct keys, so most comparisons meet equal keys and stability shows.
// A text ending in a lone lead byte beside one starting with a trail byte
// would read as one character if a key ran into its neighbour. A lone high
// byte sorts before every two-byte character, whatever its bytes say.
TEST(RecordListTest, SortGivesTheSelectionSortOrderOnEveryKey) {
  std::mt19937 rng(20261206);
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const char* texts[] = {"",         "a",       "ab",    "b",    "周一",
                         "\x81\xFF", "Unknown", "a\x81", "\x40", "\xFF"};
  for (int round = 0; round < 40; ++round) {
    RecordList original;
    for (int i = 0; i < round % 25; ++i) {
      SeriesRecord& r = original.InsertNewRecord();
      std::tie(r.id, r.weekday, r.episode, r.category, r.rating) =
          std::tuple(pick(4), pick(4) - 1, pick(3), pick(2), pick(4));
      std::tie(r.airTime, r.name, r.updateTime, r.notes, r.previewPath, r.nextTime, r.keyword,
               r.earliestUpdate) =
          std::tuple(texts[pick(4)], texts[pick(10)], texts[pick(3)], texts[pick(10)],
                     texts[pick(2)], texts[pick(8)], texts[pick(3)], texts[pick(3)]);
      r.manualNextTime = i;  // a unique tag the sort never looks at
    }
    for (const ColumnInfo& column : kListColumns) {
      for (bool descending : {false, true}) {
        RecordList sorted = original;
        sorted.SortRecords(column.sortKey, descending);
        std::vector<int> actual;
        for (const SeriesRecord& r : sorted) actual.push_back(r.manualNextTime.value);
        ASSERT_EQ(actual, LiteralSort(original, column.sortKey, descending))
            << column.title << (descending ? " desc" : " asc") << " round " << round;
      }
    }
  }
}

}  // namespace
}  // namespace mirevo
