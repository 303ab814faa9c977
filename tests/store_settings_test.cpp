#include <gtest/gtest.h>

#include "search/search_sources.h"
#include "store/app_settings.h"

namespace mirevo {
namespace {

constexpr char kIniDamaged[] = "ini文件内部出错,此时请不要按保存按钮";
constexpr char kFileError[] = "文件错误";
using Messages = std::vector<std::string>;

TEST(SettingsTest, DefaultFileBytes) {
  AppSettings settings;
  std::string expected =
      "0=0;1=90;2=202;3=36;4=36;5=49;6=110;7=80;8=100;9=110;10=100;m_path=.//data.mvd;"
      "accuracy=0;alpha=0;pos[0]=250;pos[1]=150;pos[2]=480;pos[3]=355;preview=1;topshow=0;"
      "AllowTrayBTip=1;default_type=0;tipshowtype=11111;AutoHide=0;AniWin=0;MaxSign=0;"
      "ColorSet=116711680#065280#0255#;11=90;SearchSource=0;SearchEncode=0;SearchPrefix=" +
      std::string(BuiltInSearchSources()[0].prefix) + ";SearchPostfix=&c=gs_all;";
  EXPECT_EQ(FormatSettings(settings), expected);

  // Reading changes only what the file holds.
  EXPECT_EQ(ParseSettings("", settings), Messages{});
  EXPECT_EQ(ParseSettings("topshow=1;", settings), Messages{});
  EXPECT_EQ(FormatSettings(settings), expected.replace(expected.find("topshow=0"), 9, "topshow=1"));
}

// A value of its own in every key: each is written from its own setting and
// read back into it.
TEST(SettingsTest, EveryKeyHoldsItsOwnSetting) {
  AppSettings settings;
  for (int column = 0; column < kColumnCount; ++column) settings.columnWidths[column] = 50 + column;
  settings.dataPath = "d.mvd";
  settings.dueByDay = 2;
  settings.transparency = 3;
  settings.windowRect = Rect::At(4, 5, 6, 7);
  settings.previewOn = 8;
  settings.topmost = 9;
  settings.trayBalloons = 10;
  settings.rememberedTab = 11;
  settings.summarySections = 12;
  settings.autoHide = 13;
  settings.slideWhenHiding = 14;
  settings.maximised = 15;
  settings.reminders.rules = {{{1, 16}, {0, 17}, {1, 18}}};
  settings.searchSource = 19;
  settings.searchEncoding = 20;
  settings.searchPrefix = "pre";
  settings.searchPostfix = "post";
  const std::string text =
      "0=50;1=51;2=52;3=53;4=54;5=55;6=56;7=57;8=58;9=59;10=60;m_path=d.mvd;accuracy=2;alpha=3;"
      "pos[0]=4;pos[1]=5;pos[2]=6;pos[3]=7;preview=8;topshow=9;AllowTrayBTip=10;default_type=11;"
      "tipshowtype=12;AutoHide=13;AniWin=14;MaxSign=15;ColorSet=116#017#118#;11=61;"
      "SearchSource=19;SearchEncode=20;SearchPrefix=pre;SearchPostfix=post;";
  EXPECT_EQ(FormatSettings(settings), text);
  AppSettings read;
  EXPECT_EQ(ParseSettings(text, read), Messages{});
  EXPECT_EQ(read, settings);
}

TEST(SettingsTest, AliasesReadAndAreWrittenUnderTheirKeys) {
  const std::pair<std::string, std::string> aliases[] = {
      {"p", "m_path"},      {"z", "pos[0]"},  {"x", "pos[1]"},        {"c", "pos[2]"},
      {"v", "pos[3]"},      {"k", "10"},      {"a", "accuracy"},      {"l", "alpha"},
      {"w", "preview"},     {"t", "topshow"}, {"b", "AllowTrayBTip"}, {"d", "default_type"},
      {"B", "tipshowtype"},
  };
  for (const auto& [alias, key] : aliases) {
    AppSettings settings;
    EXPECT_EQ(ParseSettings(alias + "=9;", settings), Messages{}) << alias;
    std::string file = FormatSettings(settings);
    EXPECT_NE(file.find(";" + key + "=9;"), std::string::npos) << alias << " -> " << file;
  }
}

// Keys of up to 14 bytes are read (an unknown one is reported and reading
// goes on); a longer key, or a text outside the format, stops reading with
// what was read before kept. The last of repeated keys wins.
TEST(SettingsTest, KeyLengthsUnknownKeysAndDamage) {
  // Text -> messages, then "alpha" and "topshow" after reading.
  const std::tuple<std::string, Messages, int, int> cases[] = {
      {"abcdefghijklmn=1;topshow=1;", {kFileError}, 0, 1},  // 14 bytes
      {"alpha=3;SearchPostfixAB=1;topshow=1;", {kIniDamaged}, 3, 0},
      {"autohide=1;topshow=1;", {kFileError}, 0, 1},  // keys are case-sensitive
      {"alpha=3;l=4;alpha=5;topshow=12px;", {}, 5, 12},
      {"alpha=1;topshow", {kIniDamaged}, 1, 0},
      {"topshow=1", {kIniDamaged}, 0, 0},
  };
  for (const auto& [text, messages, alpha, topmost] : cases) {
    AppSettings settings;
    EXPECT_EQ(ParseSettings(text, settings), messages) << text;
    EXPECT_EQ(std::tuple(settings.transparency, settings.topmost), std::tuple(alpha, topmost))
        << text;
  }
}

TEST(SettingsTest, ColorSetTextForm) {
  // "-" is the switch byte of the third rule in "x15#2#-1#"; a group's first
  // byte is its switch even when it is "#".
  const std::tuple<const char*, ReminderSettings, bool> cases[] = {
      {"116711680#065280#0255#", ReminderSettings(), true},
      {"015#10#1255#", {{{{0, 15}, {1, 0}, {1, 255}}}}, true},
      {"x15#2#-1#", {{{{0, 15}, {2, 0}, {0, 1}}}}, true},
      {"#15#1255#0#", {{{{0, 15}, {1, 255}, {0, 0}}}}, true},
      {"07#", {{{{0, 7}, {0, 0x00FF00}, {0, 0x0000FF}}}}, false},
  };
  for (const auto& [text, expected, complete] : cases) {
    ReminderSettings settings;
    EXPECT_EQ(ParseColorSet(text, settings), complete) << text;
    EXPECT_EQ(settings, expected) << text;
  }
  ReminderSettings odd{{{{2, 1}, {-1, 2}, {1, 3}}}};
  EXPECT_EQ(FormatColorSet(odd), "01#02#13#");  // only 1 is written as on

  AppSettings settings;
  EXPECT_EQ(ParseSettings("ColorSet=015#;", settings), Messages{kFileError});
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
