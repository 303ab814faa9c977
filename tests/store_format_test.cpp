// The two file formats: the data file's records and the settings file's keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <tuple>
#include <vector>

#include "store/app_settings.h"
#include "store/data_file.h"
#include "support/random_store.h"

namespace mirevo {
namespace {

constexpr char kDamaged[] = "mvd文件内部出错,此时请不要按保存按钮";
constexpr char kFileError[] = "文件错误";
using Messages = std::vector<std::string>;

// The exact bytes of the format, the flags and the id counter read from a
// file are the app tests' (the data file after each command); this file
// covers what a hand-edited file can hold.
TEST(DataFileTest, CarriesEveryTextButThoseTheReaderWouldCutOrMisread) {
  // ";" first, ";" + one byte + "=" anywhere (also at the very end and after
  // a GBK character), a zero byte.
  const std::pair<std::string, bool> cases[] = {
      {"", true},   {"a;b", true},   {"ab;", true},     {"a;bc=d", true},
      {";", false}, {"a;b=", false}, {"周;x=1", false}, {std::string("a\0b", 3), false}};
  for (const auto& [text, carried] : cases)
    EXPECT_EQ(CanDataFileCarry(text), carried) << ::testing::PrintToString(text);
}

// A save writes the file in pieces: they join into the whole file's bytes,
// and a piece the disk refuses ends the save.
TEST(DataFileTest, ThePiecesOfASaveJoinIntoTheFile) {
  const RecordStore store = testing::StoreGenerator(5).Make(60, /*hostile=*/true);
  for (const std::size_t pieceBytes : {1, 100, 1000, 1 << 20}) {
    std::string joined;
    int pieces = 0;
    ASSERT_TRUE(FormatDataInPieces(store, pieceBytes, [&](std::string_view piece) {
      joined += piece;
      ++pieces;
      return true;
    }));
    EXPECT_EQ(joined, FormatData(store)) << pieceBytes;
    EXPECT_EQ(pieces > 1, pieceBytes < joined.size()) << pieceBytes;
  }
  std::string reused(5000, 'x');
  FormatData(store, reused);
  EXPECT_EQ(reused, FormatData(store)) << "formatted into a longer text";
  int offered = 0;
  EXPECT_FALSE(FormatDataInPieces(store, 100, [&](std::string_view) { return ++offered < 2; }));
  EXPECT_EQ(offered, 2);
}

// The values the writer uses come back from the round trip; any value from
// 20 up is the awaited list. Beyond them, no index may leave the six lists and no list may get a
// category it cannot hold: such records wait on the awaited list for a kind, with one message for
// the file. Fields before the first record are skipped, also with one.
TEST(DataFileTest, TValuesChooseListAndCategoryOrAwaitAKind) {
  for (int t : {-1, 4, 14, 24, 26}) {
    SCOPED_TRACE(t);
    RecordStore store;
    const std::string odd = "T=" + std::to_string(t) + ";N=5;n=x;v=3;";
    EXPECT_EQ(ParseData("n=a;v=1;" + odd + "T=1;N=6;" + odd + "T=30;N=7;", store),
              (Messages{kFileError, kDamaged}));
    EXPECT_EQ(FormatData(store),
              "T=1;N=6;w=0;t=;n=;v=1;s=0;d=;m=;p=;D=;k=;W=;c=0;"
              "T=25;N=5;w=0;t=;n=x;v=3;s=0;d=;m=;p=;D=;k=;W=;c=0;"
              "T=25;N=5;w=0;t=;n=x;v=3;s=0;d=;m=;p=;D=;k=;W=;c=0;"
              "T=20;N=7;w=0;t=;n=;v=1;s=0;d=;m=;p=;D=;k=;W=;c=0;");
  }
}

TEST(DataFileTest, DamagedTextsStopReadingAndKeepWhatWasRead) {
  // After one complete record: a line break added by hand, a tag at the very
  // end, a tag without "=", values that run to the end without ";"; an
  // unknown tag is skipped and reading goes on. ";" + one byte + "=" inside
  // a value starts an entry of its own; an empty value ends at its ";"
  // whatever follows.
  const std::tuple<std::string, Messages, std::string> cases[] = {
      {"T", {kDamaged}, ""},           {"Tx0", {kDamaged}, ""},
      {"T=1", {kDamaged}, ""},         {"v=2;\r\nx", {kDamaged}, ""},
      {"Q=1;m=y;", {kFileError}, "y"}, {"m=x;n=y;", {}, "x"},
      {"m=a;;b;;", {}, "a;;b;"},       {"", {}, ""},
      {"v=;;b;;", {kDamaged}, ""},     {";==1;m=x;", {kFileError}, "x"},
  };
  for (const auto& [tail, messages, notes] : cases) {
    RecordStore store;
    EXPECT_EQ(ParseData("T=0;N=1;w=0;t=;n=first;" + tail, store), messages) << '"' << tail << '"';
    ASSERT_GE(store.lists[0].size(), 1u);
    EXPECT_EQ(store.lists[0].Head().notes, notes) << '"' << tail << '"';
    EXPECT_EQ(store.lists[0].Head().name, tail == "m=x;n=y;" ? "y" : "first");
  }
  RecordStore store;
  EXPECT_EQ(ParseData(";", store), Messages{kDamaged});
}

// A text read in two halves at once gives what it gives read in one piece,
// wherever damage or works of unknown kind lie: in either half, or where
// the second half starts. An unknown kind is still reported once.
TEST(DataFileTest, HalvesReadAsTheWholeTextDoes) {
  const std::string whole = FormatData(testing::StoreGenerator(8).Make(40, /*hostile=*/true));
  std::vector<std::size_t> recordStarts;
  for (std::size_t at = whole.find(";T="); at != std::string::npos; at = whole.find(";T=", at + 1))
    recordStarts.push_back(at + 1);
  const char* damages[] = {"T=99;", "T=99;N=900;", "\r\nx", "Q=1;", "T=", "m=a;;b;", "v=;;"};
  std::mt19937 rng(9);
  for (int round = 0; round < 200; ++round) {
    std::string text = whole;
    for (int i = round % 3; i > 0; --i) {
      const std::size_t at =
          rng() % 2 ? rng() % text.size() : recordStarts[rng() % recordStarts.size()];
      text.insert(std::min(at, text.size()), damages[rng() % std::size(damages)]);
    }
    RecordStore inOnePiece, inHalves;
    const Messages messages = ParseData(text, inOnePiece, SIZE_MAX);
    ASSERT_EQ(ParseData(text, inHalves, 0), messages) << text;
    ASSERT_EQ(std::tuple(FormatData(inHalves), inHalves.idCounter),
              std::tuple(FormatData(inOnePiece), inOnePiece.idCounter))
        << text;
  }
}

// The three reminder flags share the data file's "c" entry: whichever flag
// the program turns on, after whatever number the file held, a save and a
// read give it back on, and the others as they were.
TEST(FlagsTest, AFlagTurnedOnSurvivesASaveWhateverTheFileHeld) {
  auto flagsOf = [](const SeriesRecord& r) {
    return std::tuple(r.weekdayDue.On(), r.earliestDue.On(), r.manualNextTime.On());
  };
  Switch SeriesRecord::*const flags[] = {&SeriesRecord::weekdayDue, &SeriesRecord::earliestDue,
                                         &SeriesRecord::manualNextTime};
  for (const char* held : {"-1", "-1010", "-999", "0", "101", "999", "2147483647"}) {
    for (Switch SeriesRecord::*flag : flags) {
      RecordStore read;
      ASSERT_TRUE(ParseData(std::string("T=0;N=1;c=") + held + ";", read).empty());
      SeriesRecord& record = *read.lists[kAnime].begin();
      record.*flag = kOn;
      const auto expected = flagsOf(record);
      RecordStore again;
      ASSERT_TRUE(ParseData(FormatData(read), again).empty());
      EXPECT_EQ(flagsOf(*again.lists[kAnime].begin()), expected) << held;
    }
  }
}

constexpr char kIniDamaged[] = "ini文件内部出错,此时请不要按保存按钮";

// A value of its own in every key: each is written from its own setting and
// read back into it, also from the short alias a key has.
TEST(SettingsTest, EveryKeyHoldsItsOwnSetting) {
  AppSettings settings;
  for (int column = 0; column < kColumnCount; ++column) settings.columnWidths[column] = 50 + column;
  std::tie(settings.dataPath, settings.dueByDay, settings.transparency, settings.windowRect,
           settings.previewOn, settings.topmost, settings.trayBalloons, settings.rememberedTab,
           settings.summarySections, settings.autoHide, settings.slideWhenHiding,
           settings.maximised) =
      std::tuple("d.mvd", 2, 3, Rect::At(4, 5, 6, 7), 8, 9, 10, 11, 12, 13, 14, 15);
  settings.reminders.rules = {{{1, 16}, {0, 17}, {1, 18}}};
  std::tie(settings.searchSource, settings.searchEncoding, settings.searchPrefix,
           settings.searchPostfix) = std::tuple(19, 20, "pre", "post");
  const std::string text =
      "0=50;1=51;2=52;3=53;4=54;5=55;6=56;7=57;8=58;9=59;10=60;m_path=d.mvd;accuracy=2;alpha=3;"
      "pos[0]=4;pos[1]=5;pos[2]=6;pos[3]=7;preview=8;topshow=9;AllowTrayBTip=10;default_type=11;"
      "tipshowtype=12;AutoHide=13;AniWin=14;MaxSign=15;ColorSet=116#017#118#;11=61;"
      "SearchSource=19;SearchEncode=20;SearchPrefix=pre;SearchPostfix=post;";
  EXPECT_EQ(FormatSettings(settings), text);
  const std::string aliased =
      "0=50;1=51;2=52;3=53;4=54;5=55;6=56;7=57;8=58;9=59;k=60;p=d.mvd;a=2;l=3;z=4;x=5;c=6;v=7;"
      "w=8;t=9;b=10;d=11;B=12;AutoHide=13;AniWin=14;MaxSign=15;ColorSet=116#017#118#;11=61;"
      "SearchSource=19;SearchEncode=20;SearchPrefix=pre;SearchPostfix=post;";
  for (const std::string& file : {text, aliased}) {
    AppSettings read;
    EXPECT_EQ(ParseSettings(file, read), Messages{});
    EXPECT_EQ(read, settings) << file;
  }
}

// Keys of up to 14 bytes are read (an unknown one is reported and reading
// goes on); a longer key, or a text outside the format, stops reading with
// what was read before kept. The last of repeated keys wins. A group of
// "ColorSet" starts with its switch byte, even when that is "#" ("-" is the
// third rule's in "x15#2#-1#"); fewer than three groups are reported.
TEST(SettingsTest, KeyLengthsUnknownKeysDamageAndColorSet) {
  struct Case {
    std::string text;
    Messages messages;
    int alpha = 0, topmost = 0;
    ReminderSettings reminders{};
  };
  const Case cases[] = {
      {"abcdefghijklmn=1;topshow=1;", {kFileError}, 0, 1},  // 14 bytes
      {"alpha=3;SearchPostfixAB=1;topshow=1;", {kIniDamaged}, 3, 0},
      {"autohide=1;topshow=1;", {kFileError}, 0, 1},  // keys are case-sensitive
      {"alpha=3;l=4;alpha=5;topshow=12px;", {}, 5, 12},
      {"alpha=1;topshow", {kIniDamaged}, 1, 0},
      {"topshow=1", {kIniDamaged}, 0, 0},
      {"ColorSet=015#;topshow=1;", {kFileError}, 0, 1, {{{{0, 15}, {0, 0x00FF00}, {0, 0x0000FF}}}}},
      {"ColorSet=015#10#1255#;", {}, 0, 0, {{{{0, 15}, {1, 0}, {1, 255}}}}},
      {"ColorSet=x15#2#-1#;", {}, 0, 0, {{{{0, 15}, {2, 0}, {0, 1}}}}},
      {"ColorSet=#15#1255#0#;", {}, 0, 0, {{{{0, 15}, {1, 255}, {0, 0}}}}},
  };
  for (const Case& c : cases) {
    AppSettings settings;
    EXPECT_EQ(ParseSettings(c.text, settings), c.messages) << c.text;
    EXPECT_EQ(std::tie(settings.transparency, settings.topmost, settings.reminders),
              std::tie(c.alpha, c.topmost, c.reminders))
        << c.text;
  }
  EXPECT_EQ(FormatColorSet({{{{2, 1}, {-1, 2}, {1, 3}}}}), "01#02#13#");  // only 1 is on
}

// "default_type" 9 (and anything outside the six tabs) opens the first tab.
TEST(SettingsTest, OnlyTabsAndLevelsInRangeAreUsed) {
  // Stored value -> tab, level.
  const std::tuple<int, int, int> cases[] = {
      {5, 5, 5}, {9, 0, 9}, {-1, 0, 0}, {6, 0, 6}, {10, 0, 0}};
  for (const auto& [stored, tab, level] : cases) {
    AppSettings settings;
    settings.rememberedTab = settings.transparency = stored;
    EXPECT_EQ(std::tuple(settings.StartTab(), settings.TransparencyLevel()), std::tuple(tab, level))
        << stored;
  }
}

}  // namespace
}  // namespace mirevo
