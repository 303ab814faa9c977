#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "text/codepage.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(CompareTextTest, OrdersByCharacterWithPrefixFirst) {
  struct Case {
    std::string a, b;
    int expected;
  } cases[] = {
      {"", "", 0},
      {"", "a", -1},
      {"abc", "abd", -1},
      {"ab", "abc", -1},
      {"周一", "周一", 0},
      {"z", "周", -1},          // ASCII before any two-byte character
      {"\xB0\xA1", "\xB0\xA2", -1},
      // A lead byte whose next byte is no trail byte is a character of its
      // own (0x81), smaller than any two-byte character starting with 0x81,
      // although a plain byte compare would put 0xFF after 0x40.
      {"\x81\xFF", "\x81\x40", -1},
      // A lead byte at the very end is a single character, a prefix here.
      {"a\x81", "a\x81\x40", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareText(c.a, c.b)), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(CompareText(c.b, c.a)), -c.expected) << c.b << " vs " << c.a;
  }
}

TEST(CompareTextTest, AgreesWithByteOrderOnWellFormedGbk) {
  const std::string texts[] = {"", "a", "ab", "周日(日)", "周一(月)", "中文", "中", "Z", "~"};
  for (const auto& a : texts)
    for (const auto& b : texts) EXPECT_EQ(Sign(CompareText(a, b)), Sign(a.compare(b)));
}

TEST(ReadAtoiTest, ReadsLikeTheCLibrary) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"07", 7},         {"", 0},           {"abc", 0},        {"12px", 12},
      {" \t-12x", -12},  {"+5", 5},         {"- 5", 0},        {"\r\n 3", 3},
      {"2147483647", INT_MAX},              {"99999999999", INT_MAX},
      {"-2147483648", INT_MIN},             {"-99999999999", INT_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAtoi(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IsValidGbkTest, AcceptsWellFormedCharactersOnly) {
  EXPECT_TRUE(IsValidGbk(""));
  EXPECT_TRUE(IsValidGbk("abc\r\n"));
  EXPECT_TRUE(IsValidGbk("周日(日)"));
  EXPECT_TRUE(IsValidGbk("\x80"));           // the euro sign
  EXPECT_FALSE(IsValidGbk("\xD6"));          // lead byte cut off
  EXPECT_FALSE(IsValidGbk("a\xD6\x20"));     // no trail byte
  EXPECT_FALSE(IsValidGbk("\xFF\x40"));      // no lead byte
  EXPECT_FALSE(IsValidGbk("\xD6\x7F"));      // 0x7F is no trail byte
}

TEST(CharBoundaryTest, NeverSplitsATwoByteCharacter) {
  const std::string text = "ab中文";  // 6 bytes: a b D6 D0 CE C4
  struct Case {
    std::size_t limit, expected;
  } cases[] = {{0, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {6, 6}, {100, 6}};
  for (const Case& c : cases) EXPECT_EQ(CharBoundaryAtOrBelow(text, c.limit), c.expected);
}

TEST(TrimWhiteSpaceTest, RemovesBothEnds) {
  EXPECT_EQ(TrimWhiteSpace("  a b \r\n"), "a b");
  EXPECT_EQ(TrimWhiteSpace(" \t "), "");
  EXPECT_EQ(TrimWhiteSpace("中"), "中");
}

// Literals are stored as GBK: each weekday name is 8 bytes.
TEST(CodePageTest, LiteralsAreGbkBytes) {
  EXPECT_EQ(std::string("周日(日)").size(), 8u);
  EXPECT_EQ(std::string("中"), "\xD6\xD0");
}

TEST(CodePageTest, ConvertsBothWays) {
  const std::string gbk = "周日(日) 动画\r\n·€";
  auto utf16 = GbkToUtf16(gbk);
  ASSERT_TRUE(utf16);
  EXPECT_EQ(*utf16, u"周日(日) 动画\r\n·€");
  auto back = Utf16ToGbk(*utf16);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, gbk);
  EXPECT_EQ(GbkToUtf16(""), std::u16string());
}

TEST(CodePageTest, RefusesWhatGbkCannotHold) {
  EXPECT_FALSE(Utf16ToGbk(u"a\u0E01b"));        // Thai
  EXPECT_FALSE(Utf16ToGbk(u"\U0001F600"));      // emoji
  EXPECT_FALSE(GbkToUtf16("\xD6"));             // truncated character
}

TEST(CodePageTest, ConvertsOnePair) {
  EXPECT_EQ(GbkPairToUtf16(0xD6, 0xD0), u'\u4E2D');  // 中
  EXPECT_EQ(GbkPairToUtf16(0xA1, 0xA4), u'\u00B7');  // middle dot
  EXPECT_EQ(GbkPairToUtf16(0xB6, 0xAF), u'\u52A8');  // 动
  EXPECT_EQ(GbkPairToUtf16(0xD6, 0x20), u'\0');
}

}  // namespace
}  // namespace mirevo

namespace mirevo {
namespace {

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

TEST(CompareTextTest, MatchesTheCharacterWalkOnRandomBytes) {
  std::mt19937 rng(936);
  // Bytes chosen to hit leads, valid and invalid trails and plain ASCII.
  const unsigned char alphabet[] = {0x20, 0x30, 0x40, 0x41, 0x7E, 0x7F, 0x80,
                                    0x81, 0xA1, 0xD6, 0xFE, 0xFF};
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

}  // namespace
}  // namespace mirevo
