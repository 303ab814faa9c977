#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "text/codepage.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// The character walk the order is defined by, without any shortcut.
int ReferenceCompare(std::string_view a, std::string_view b) {
  auto next = [](std::string_view t, std::size_t& i) -> unsigned {
    auto lead = static_cast<unsigned char>(t[i]);
    if (lead >= 0x81 && lead <= 0xFE && i + 1 < t.size()) {
      auto trail = static_cast<unsigned char>(t[i + 1]);
      if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE)) {
        i += 2;
        return lead * 256u + trail;
      }
    }
    ++i;
    return lead;
  };
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    unsigned x = next(a, i), y = next(b, j);
    if (x != y) return x < y ? -1 : 1;
  }
  return (i < a.size()) - (j < b.size());
}

TEST(CompareTextTest, OrdersByCharacterWithPrefixFirst) {
  // ASCII sorts before any two-byte character; a lead byte without a trail
  // byte after it (0x81 0xFF, or at the very end) is a character of its own,
  // smaller than any two-byte character starting with it.
  const std::tuple<std::string, std::string, int> cases[] = {
      {"", "", 0},
      {"", "a", -1},
      {"abc", "abd", -1},
      {"ab", "abc", -1},
      {"周一", "周一", 0},
      {"z", "周", -1},
      {"中", "周日(日)", -1},
      {"\xB0\xA1", "\xB0\xA2", -1},
      {"\x81\xFF", "\x81\x40", -1},
      {"a\x81", "a\x81\x40", -1},
  };
  for (const auto& [a, b, expected] : cases) {
    EXPECT_EQ(Sign(CompareText(a, b)), expected) << a << " vs " << b;
    EXPECT_EQ(Sign(CompareText(b, a)), -expected) << b << " vs " << a;
  }
}

TEST(CompareTextTest, MatchesTheCharacterWalkOnRandomBytes) {
  std::mt19937 rng(936);
  // Bytes chosen to hit leads, valid and invalid trails and plain ASCII.
  const unsigned char alphabet[] = {0x20, 0x30, 0x40, 0x41, 0x7E, 0x7F,
                                    0x80, 0x81, 0xA1, 0xD6, 0xFE, 0xFF};
  auto randomText = [&] {
    std::string t;
    int length = std::uniform_int_distribution<int>(0, 6)(rng);
    for (int k = 0; k < length; ++k)
      t += static_cast<char>(alphabet[std::uniform_int_distribution<int>(0, 11)(rng)]);
    return t;
  };
  for (int round = 0; round < 200000; ++round) {
    std::string a = randomText();
    std::string b = round % 3 ? a.substr(0, a.size() / 2) + randomText() : randomText();
    ASSERT_EQ(Sign(CompareText(a, b)), ReferenceCompare(a, b))
        << ::testing::PrintToString(a) << " vs " << ::testing::PrintToString(b);
  }
}

TEST(GbkTextTest, ReadAtoiReadsLikeTheCLibraryAndSaturates) {
  const std::pair<const char*, int> cases[] = {
      {"07", 7},
      {"", 0},
      {"abc", 0},
      {"12px", 12},
      {" \t-12x", -12},
      {"+5", 5},
      {"- 5", 0},
      {"\r\n 3", 3},
      {"2147483647", INT_MAX},
      {"99999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999", INT_MIN},
  };
  for (auto [text, expected] : cases) EXPECT_EQ(ReadAtoi(text), expected) << '"' << text << '"';
}

TEST(GbkTextTest, ValidityCutsAndTrimming) {
  // 0x80 alone is the euro sign; a cut-off lead byte, a lead byte before a
  // blank or 0x7F, and 0xFF as lead are not GBK.
  for (const char* valid : {"", "abc\r\n", "周日(日)", "\x80"}) EXPECT_TRUE(IsValidGbk(valid));
  for (const char* invalid : {"\xD6", "a\xD6\x20", "\xFF\x40", "\xD6\x7F"})
    EXPECT_FALSE(IsValidGbk(invalid)) << ::testing::PrintToString(invalid);

  const std::string text = "ab中文";  // a b D6 D0 CE C4
  const std::pair<std::size_t, std::size_t> cuts[] = {{0, 0}, {2, 2}, {3, 2},  {4, 4},
                                                      {5, 4}, {6, 6}, {100, 6}};
  for (auto [limit, kept] : cuts) EXPECT_EQ(CharBoundaryAtOrBelow(text, limit), kept) << limit;

  EXPECT_EQ(TrimWhiteSpace("  a b \r\n"), "a b");
  EXPECT_EQ(TrimWhiteSpace(" \t "), "");
  EXPECT_EQ(TrimWhiteSpace("中"), "中");
}

TEST(CodePageTest, LiteralsAreGbkAndConvertBothWays) {
  EXPECT_EQ(std::string("周日(日)").size(), 8u);
  EXPECT_EQ(std::string("中"), "\xD6\xD0");
  const std::string gbk = "周日(日) 动画\r\n·€";
  auto utf16 = GbkToUtf16(gbk);
  ASSERT_TRUE(utf16);
  EXPECT_EQ(*utf16, u"周日(日) 动画\r\n·€");
  EXPECT_EQ(Utf16ToGbk(*utf16), gbk);
  EXPECT_EQ(GbkToUtf16(""), std::u16string());
  // Thai, an emoji and a cut-off character have no other form.
  EXPECT_FALSE(Utf16ToGbk(u"a\u0E01b"));
  EXPECT_FALSE(Utf16ToGbk(u"\U0001F600"));
  EXPECT_FALSE(GbkToUtf16("\xD6"));
}

TEST(CodePageTest, ConvertsOnePair) {
  EXPECT_EQ(GbkPairToUtf16(0xD6, 0xD0), u'\u4E2D');  // 中
  EXPECT_EQ(GbkPairToUtf16(0xA1, 0xA4), u'\u00B7');  // middle dot
  EXPECT_EQ(GbkPairToUtf16(0xB6, 0xAF), u'\u52A8');  // 动
  EXPECT_EQ(GbkPairToUtf16(0xD6, 0x20), u'\0');
}

}  // namespace
}  // namespace mirevo
