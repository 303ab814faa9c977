#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "store/data_file.h"
#include "support/random_store.h"

namespace mirevo {
namespace {

constexpr char kDamaged[] = "mvd文件内部出错,此时请不要按保存按钮";
constexpr char kFileError[] = "文件错误";
using Messages = std::vector<std::string>;

std::string Record(const std::string& t, const std::string& id, const std::string& rest = "") {
  return "T=" + t + ";N=" + id + ";" + rest;
}

// Every field of every record, list by list in list order.
auto Fields(const SeriesRecord& r) {
  return std::tie(r.earliestDue, r.weekdayDue, r.manualNextTime, r.id, r.notes, r.updateTime,
                  r.nextTime, r.episode, r.name, r.airTime, r.weekday, r.category, r.rating,
                  r.previewPath, r.keyword, r.earliestUpdate);
}
void ExpectSameStore(const RecordStore& a, const RecordStore& b) {
  EXPECT_EQ(a.idCounter, b.idCounter);
  for (int list = 0; list < kListCount; ++list) {
    ASSERT_EQ(a.lists[list].size(), b.lists[list].size()) << "list " << list;
    auto it = b.lists[list].begin();
    for (const SeriesRecord& r : a.lists[list])
      EXPECT_TRUE(Fields(r) == Fields(*it++)) << "list " << list << " id " << r.id;
  }
}

TEST(DataFileTest, WritesOneRecordAsFourteenEntries) {
  RecordStore store;
  EXPECT_EQ(FormatData(store), "");
  SeriesRecord& r = store.lists[0].InsertNewRecord();
  std::tie(r.id, r.weekday, r.airTime, r.name, r.episode, r.rating, r.updateTime, r.nextTime) =
      std::tuple(3, 1, "23:30", "示例", 5, 2, "2007-08-20 23:45", "2007-08-27 23:45");
  EXPECT_EQ(FormatData(store),
            "T=0;N=3;w=1;t=23:30;n=示例;v=5;s=2;d=2007-08-20 23:45;m=;p=;"
            "D=2007-08-27 23:45;k=;W=;c=0;");
}

TEST(DataFileTest, CarriesEveryTextButThoseTheReaderWouldCutOrMisread) {
  // ";" first, ";" + one byte + "=" anywhere (also at the very end and after
  // a GBK character), a zero byte.
  const std::pair<std::string, bool> cases[] = {
      {"", true},         {"a;b", true},   {"ab;", true},     {"a;bc=d", true},
      {"x;y\r\n||第2集", true}, {";abc", false}, {";", false},      {"a;b=c", false},
      {"a;b=", false},    {"周;x=1", false}, {std::string("a\0b", 3), false},
  };
  for (const auto& [text, carried] : cases) {
    EXPECT_EQ(CanDataFileCarry(text), carried) << ::testing::PrintToString(text);
    if (!carried) continue;
    // What the check lets through comes back as it was.
    RecordStore store, loaded;
    store.lists[0].InsertNewRecord().name = text;
    ASSERT_EQ(ParseData(FormatData(store), loaded), Messages{});
    EXPECT_EQ(loaded.lists[0].Head().name, text);
  }
}

// No index may leave the six lists, and no list may get a category it cannot
// hold: such records are skipped with one message, their fields with them.
TEST(DataFileTest, TValuesChooseListAndCategoryOrSkipTheRecord) {
  const std::tuple<int, int, int> kept[] = {{0, 0, 0},  {3, 3, 3},  {10, 4, 0},
                                            {12, 4, 2}, {13, 4, 3}, {20, 5, 0},
                                            {23, 5, 3}, {25, 5, 5}, {30, 5, 0}};
  for (auto [t, list, category] : kept) {
    RecordStore store;
    EXPECT_EQ(ParseData(Record(std::to_string(t), "1"), store), Messages{}) << t;
    ASSERT_EQ(store.lists[list].size(), 1u) << t;
    EXPECT_EQ(store.lists[list].Head().category, category) << t;
  }
  for (int t : {-1, -20, 4, 9, 14, 19, 24, 26, 29}) {
    RecordStore store;
    Messages messages = ParseData(Record(std::to_string(t), "5", "n=x;") + Record("1", "6"), store);
    EXPECT_EQ(messages, Messages{kFileError}) << t;
    int total = 0;
    for (const RecordList& list : store.lists) total += static_cast<int>(list.size());
    EXPECT_EQ(total, 1) << t;
    ASSERT_EQ(store.lists[1].size(), 1u);
    EXPECT_EQ(store.lists[1].Head().name, "") << "fields of the skipped record went astray";
  }
}

TEST(DataFileTest, ReadsNumbersFlagsIdCounterAndFileOrder) {
  RecordStore store;
  std::string text = "n=lost;v=3;" + Record("0", "7", "c=110;v=07;s=;w=x1;n=kept;") +
                     Record("1", "3") + Record("0", "12") + Record("0", "4");
  EXPECT_EQ(ParseData(text, store), Messages{kFileError}) << "fields before the first record";
  EXPECT_EQ(store.idCounter, 12);
  std::vector<int> ids;
  for (const SeriesRecord& r : store.lists[0]) ids.push_back(r.id);
  EXPECT_EQ(ids, (std::vector<int>{7, 12, 4}));
  const SeriesRecord& r = store.lists[0].Head();
  EXPECT_EQ(std::tie(r.weekdayDue, r.earliestDue, r.manualNextTime, r.episode, r.rating, r.weekday),
            std::tuple(1, 1, 0, 7, 0, 0));
  EXPECT_EQ(r.name, "kept");
}

TEST(DataFileTest, SemicolonsInsideValues) {
  // Notes as written, as read back, the name after reading, the messages;
  // ";" + one byte + "=" starts an entry of its own.
  const std::tuple<std::string, std::string, std::string, Messages> cases[] = {
      {"a;b", "a;b", "", {}},
      {"end;", "end;", "", {}},
      {"a;;b;", "a;;b;", "", {}},
      {"\r\n||第2集 于 2007-08-20 23:45 更新", "\r\n||第2集 于 2007-08-20 23:45 更新", "", {}},
      {"x;n=y", "x", "y", {}},
      {"x;Q=y", "x", "", {kFileError}},
  };
  for (const auto& [notes, readBack, name, messages] : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData(Record("0", "1", "m=" + notes + ";"), store), messages) << notes;
    ASSERT_EQ(store.lists[0].size(), 1u);
    EXPECT_EQ(store.lists[0].Head().notes, readBack) << notes;
    EXPECT_EQ(store.lists[0].Head().name, name) << notes;
  }
}

TEST(DataFileTest, DamagedTextsStopReadingAndKeepWhatWasRead) {
  // After one complete record: a line break added by hand, a tag at the very
  // end, a tag without "=", values that run to the end without ";"; an
  // unknown tag is skipped and reading goes on.
  const std::pair<std::string, Messages> cases[] = {
      {"\r\n", {kDamaged}},      {"T", {kDamaged}},         {"Tx0", {kDamaged}},
      {"T=1", {kDamaged}},       {"T=1;n=abc", {kDamaged}}, {"n=", {kDamaged}},
      {"v=2;\r\nx", {kDamaged}}, {"Q=1;", {kFileError}},    {"", {}},
  };
  for (const auto& [tail, messages] : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData(Record("0", "1", "n=first;") + tail, store), messages)
        << '"' << tail << '"';
    ASSERT_GE(store.lists[0].size(), 1u);
    EXPECT_EQ(store.lists[0].Head().name, "first");
  }
  RecordStore store;
  EXPECT_EQ(ParseData(";", store), Messages{kDamaged});
  EXPECT_EQ(ParseData("", store), Messages{});
}

TEST(DataFileTest, RandomStoresSurviveARoundTrip) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    RecordStore original = testing::StoreGenerator(seed).Make(seed % 13 * 3, /*hostile=*/true);
    std::string bytes = FormatData(original);
    RecordStore loaded;
    ASSERT_EQ(ParseData(bytes, loaded), Messages{}) << "seed " << seed;
    ExpectSameStore(original, loaded);
    EXPECT_EQ(FormatData(loaded), bytes) << "seed " << seed;
  }
}

}  // namespace
}  // namespace mirevo
