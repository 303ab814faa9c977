#include <gtest/gtest.h>

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

bool SameRecord(const SeriesRecord& a, const SeriesRecord& b) {
  return a.earliestDue == b.earliestDue && a.weekdayDue == b.weekdayDue &&
         a.manualNextTime == b.manualNextTime && a.id == b.id && a.notes == b.notes &&
         a.updateTime == b.updateTime && a.nextTime == b.nextTime && a.episode == b.episode &&
         a.name == b.name && a.airTime == b.airTime && a.weekday == b.weekday &&
         a.category == b.category && a.rating == b.rating && a.previewPath == b.previewPath &&
         a.keyword == b.keyword && a.earliestUpdate == b.earliestUpdate;
}

void ExpectSameStore(const RecordStore& a, const RecordStore& b) {
  for (int list = 0; list < kListCount; ++list) {
    ASSERT_EQ(a.lists[list].size(), b.lists[list].size()) << "list " << list;
    auto it = b.lists[list].begin();
    for (const SeriesRecord& r : a.lists[list]) {
      EXPECT_TRUE(SameRecord(r, *it)) << "list " << list << " id " << r.id;
      ++it;
    }
  }
}

TEST(DataFileTest, WritesTheDocumentedRecord) {
  RecordStore store;
  SeriesRecord& r = store.lists[0].InsertNewRecord();
  r.id = 3;
  r.weekday = 1;
  r.airTime = "23:30";
  r.name = "示例";
  r.episode = 5;
  r.rating = 2;
  r.updateTime = "2007-08-20 23:45";
  r.nextTime = "2007-08-27 23:45";
  EXPECT_EQ(FormatData(store),
            "T=0;N=3;w=1;t=23:30;n=示例;v=5;s=2;d=2007-08-20 23:45;m=;p=;"
            "D=2007-08-27 23:45;k=;W=;c=0;");
  EXPECT_EQ(FormatData(RecordStore()), "");
}

TEST(DataFileTest, TValuesChooseListAndCategory) {
  struct Case {
    int t, list, category;
  } cases[] = {{0, 0, 0}, {3, 3, 3}, {10, 4, 0}, {12, 4, 2}, {13, 4, 3},
               {20, 5, 0}, {23, 5, 3}, {25, 5, 5}, {30, 5, 0}};
  for (const Case& c : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData(Record(std::to_string(c.t), "1"), store), Messages{}) << c.t;
    ASSERT_EQ(store.lists[c.list].size(), 1u) << c.t;
    EXPECT_EQ(store.lists[c.list].Head().category, c.category) << c.t;
  }
}

// No index may leave the six lists, and no list may get a category it cannot
// hold: such records are skipped with one message, their fields with them.
TEST(DataFileTest, SkipsTValuesThatNameNoList) {
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

TEST(DataFileTest, FieldsBeforeTheFirstRecordAreSkippedOnce) {
  RecordStore store;
  EXPECT_EQ(ParseData("n=lost;v=3;" + Record("0", "1", "n=kept;"), store), Messages{kFileError});
  ASSERT_EQ(store.lists[0].size(), 1u);
  EXPECT_EQ(store.lists[0].Head().name, "kept");
}

TEST(DataFileTest, ReadsNumbersFlagsAndIdCounter) {
  RecordStore store;
  std::string text = Record("0", "7", "c=110;v=07;s=;w=x1;") + Record("1", "3") + Record("2", "12");
  EXPECT_EQ(ParseData(text, store), Messages{});
  EXPECT_EQ(store.idCounter, 12);
  const SeriesRecord& r = store.lists[0].Head();
  EXPECT_EQ(r.weekdayDue, 1);
  EXPECT_EQ(r.earliestDue, 1);
  EXPECT_EQ(r.manualNextTime, 0);
  EXPECT_EQ(r.episode, 7);
  EXPECT_EQ(r.rating, 0);
  EXPECT_EQ(r.weekday, 0);
}

TEST(DataFileTest, KeepsFileOrderWithinEachList) {
  RecordStore store;
  ParseData(Record("0", "1") + Record("1", "2") + Record("0", "3") + Record("0", "4"), store);
  std::vector<int> ids;
  for (const SeriesRecord& r : store.lists[0]) ids.push_back(r.id);
  EXPECT_EQ(ids, (std::vector<int>{1, 3, 4}));
}

TEST(DataFileTest, SemicolonsInsideValues) {
  struct Case {
    std::string notes;      // as written
    std::string readBack;   // notes after reading
    std::string name;       // name after reading
    Messages messages;
  } cases[] = {
      {"a;b", "a;b", "", {}},
      {"end;", "end;", "", {}},
      {"a;;b;", "a;;b;", "", {}},
      {"\r\n||第2集 于 2007-08-20 23:45 更新", "\r\n||第2集 于 2007-08-20 23:45 更新", "", {}},
      // ";" + one byte + "=" starts an entry of its own.
      {"x;n=y", "x", "y", {}},
      {"x;Q=y", "x", "", {kFileError}},
  };
  for (const Case& c : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData(Record("0", "1", "m=" + c.notes + ";"), store), c.messages) << c.notes;
    ASSERT_EQ(store.lists[0].size(), 1u);
    EXPECT_EQ(store.lists[0].Head().notes, c.readBack) << c.notes;
    EXPECT_EQ(store.lists[0].Head().name, c.name) << c.notes;
  }
}

TEST(DataFileTest, DamagedTextsStopReadingAndKeepWhatWasRead) {
  struct Case {
    std::string tail;  // after one complete record
    Messages messages;
  } cases[] = {
      {"\r\n", {kDamaged}},             // a line break added by hand
      {"T", {kDamaged}},                // tag at the very end
      {"Tx0", {kDamaged}},              // tag not followed by "="
      {"T=1", {kDamaged}},              // value runs to the end without ";"
      {"T=1;n=abc", {kDamaged}},
      {"n=", {kDamaged}},
      {"Q=1;", {kFileError}},           // unknown tag: skipped, reading goes on
      {"v=2;\r\nx", {kDamaged}},
      {"", {}},
  };
  for (const Case& c : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData(Record("0", "1", "n=first;") + c.tail, store), c.messages)
        << '"' << c.tail << '"';
    ASSERT_GE(store.lists[0].size(), 1u);
    EXPECT_EQ(store.lists[0].Head().name, "first");
  }
  RecordStore store;
  EXPECT_EQ(ParseData(";", store), Messages{kDamaged});
  EXPECT_EQ(ParseData("", store), Messages{});
}

TEST(DataFileTest, RandomStoresSurviveARoundTrip) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    testing::StoreGenerator generator(seed);
    RecordStore original = generator.Make(static_cast<int>(seed % 13) * 3, /*hostile=*/true);
    std::string bytes = FormatData(original);
    RecordStore loaded;
    ASSERT_EQ(ParseData(bytes, loaded), Messages{}) << "seed " << seed;
    ExpectSameStore(original, loaded);
    EXPECT_EQ(loaded.idCounter, original.idCounter);
    EXPECT_EQ(FormatData(loaded), bytes) << "seed " << seed;
  }
}

}  // namespace
}  // namespace mirevo
