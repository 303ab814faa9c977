#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "store/data_file.h"
#include "support/random_store.h"

namespace mirevo {
namespace {

constexpr char kDamaged[] = "mvd文件内部出错,此时请不要按保存按钮";
constexpr char kFileError[] = "文件错误";
using Messages = std::vector<std::string>;

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

// The exact bytes of the format, the flags and the id counter read from a
// file are the app tests' (the data file after each command); this file
// covers the round trip and what a hand-edited file can hold.
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

TEST(DataFileTest, CarriesEveryTextButThoseTheReaderWouldCutOrMisread) {
  // ";" first, ";" + one byte + "=" anywhere (also at the very end and after
  // a GBK character), a zero byte.
  const std::pair<std::string, bool> cases[] = {
      {"", true},   {"a;b", true},   {"ab;", true},     {"a;bc=d", true},
      {";", false}, {"a;b=", false}, {"周;x=1", false}, {std::string("a\0b", 3), false}};
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

// The values the writer uses come back from the round trip. Beyond them,
// no index may leave the six lists and no list may get a category it cannot
// hold: such records wait on the awaited list for a kind, with one message
// for the file. Fields before the first record are skipped, also with one.
TEST(DataFileTest, TValuesChooseListAndCategoryOrAwaitAKind) {
  RecordStore read;
  EXPECT_EQ(ParseData("T=30;N=1;", read), Messages{});
  EXPECT_EQ(std::tuple(read.lists[kAwaitedList].size(), read.lists[kAwaitedList].Head().category),
            std::tuple(1u, 0));
  for (int t : {-1, 4, 14, 24, 26}) {
    RecordStore store;
    const std::string odd = "T=" + std::to_string(t) + ";N=5;n=x;v=3;";
    EXPECT_EQ(ParseData("n=a;v=1;" + odd + "T=1;N=6;" + odd, store),
              (Messages{kFileError, kDamaged}))
        << t;
    ASSERT_EQ(store.lists[kAwaitedList].size(), 2u) << t;
    for (const SeriesRecord& kept : store.lists[kAwaitedList])
      EXPECT_EQ(std::tuple(kept.id, kept.name, kept.episode, kept.category),
                std::tuple(5, "x", 3, kCategoryNotChosen))
          << t;
    EXPECT_EQ(std::tuple(store.lists[1].size(), store.lists[1].Head().name), std::tuple(1u, ""));
    EXPECT_EQ(FormatData(store), "T=1;N=6;w=0;t=;n=;v=1;s=0;d=;m=;p=;D=;k=;W=;c=0;"
                                 "T=25;N=5;w=0;t=;n=x;v=3;s=0;d=;m=;p=;D=;k=;W=;c=0;"
                                 "T=25;N=5;w=0;t=;n=x;v=3;s=0;d=;m=;p=;D=;k=;W=;c=0;")
        << t;
  }
}

TEST(DataFileTest, DamagedTextsStopReadingAndKeepWhatWasRead) {
  // After one complete record: a line break added by hand, a tag at the very
  // end, a tag without "=", values that run to the end without ";"; an
  // unknown tag is skipped and reading goes on. ";" + one byte + "=" inside
  // a value starts an entry of its own.
  const std::tuple<std::string, Messages, std::string> cases[] = {
      {"T", {kDamaged}, ""},           {"Tx0", {kDamaged}, ""},
      {"T=1", {kDamaged}, ""},         {"v=2;\r\nx", {kDamaged}, ""},
      {"Q=1;m=y;", {kFileError}, "y"}, {"m=x;n=y;", {}, "x"},
      {"m=a;;b;;", {}, "a;;b;"},       {"", {}, ""},
  };
  for (const auto& [tail, messages, notes] : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData("T=0;N=1;n=first;" + tail, store), messages) << '"' << tail << '"';
    ASSERT_GE(store.lists[0].size(), 1u);
    EXPECT_EQ(store.lists[0].Head().notes, notes) << '"' << tail << '"';
    EXPECT_EQ(store.lists[0].Head().name, tail == "m=x;n=y;" ? "y" : "first");
  }
  RecordStore store;
  EXPECT_EQ(ParseData(";", store), Messages{kDamaged});
}

}  // namespace
}  // namespace mirevo
