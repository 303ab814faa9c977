#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "support/temp_folder.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

// The character walk the order is defined by, without any shortcut: a lead
// byte with a valid trail byte is one character, every other byte one of its
// own; ASCII sorts before any two-byte character and a prefix first.
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
    const int order = CompareText(a, b), expected = ReferenceCompare(a, b);
    std::string keyA(2 * a.size(), '\0'), keyB(2 * b.size(), '\0');
    keyA.resize(static_cast<std::size_t>(WriteSortKey(a, keyA.data()) - keyA.data()));
    keyB.resize(static_cast<std::size_t>(WriteSortKey(b, keyB.data()) - keyB.data()));
    const int keyOrder = keyA.compare(keyB);
    ASSERT_EQ(std::pair((order > 0) - (order < 0), (keyOrder > 0) - (keyOrder < 0)),
              std::pair(expected, expected))
        << ::testing::PrintToString(a) << " vs " << ::testing::PrintToString(b);
  }
}

TEST(GbkTextTest, ReadAtoiReadsLikeTheCLibraryAndSaturates) {
  const std::pair<const char*, int> cases[] = {{"", 0},
                                               {"12px", 12},
                                               {" \t\r\n-12x", -12},
                                               {"+5", 5},
                                               {"- 5", 0},
                                               {"99999999999", INT_MAX},
                                               {"-2147483648", INT_MIN},
                                               {"-99999999999", INT_MIN}};
  for (auto [text, expected] : cases) EXPECT_EQ(ReadAtoi(text), expected) << '"' << text << '"';
}

// Cuts at a character boundary and trimming are checked where the due
// summary and the search use them.
TEST(GbkTextTest, Validity) {
  // 0x80 alone is the euro sign; a cut-off lead byte, a lead byte before a
  // blank or 0x7F, and 0xFF as lead are not GBK.
  for (const char* valid : {"", "abc\r\n", "周日(日)", "\x80"}) EXPECT_TRUE(IsValidGbk(valid));
  for (const char* invalid : {"\xD6", "a\xD6\x20", "\xFF\x40", "\xD6\x7F"})
    EXPECT_FALSE(IsValidGbk(invalid)) << ::testing::PrintToString(invalid);
}

// A test pins that literals reach the program as GBK bytes.
TEST(CodePageTest, LiteralsAreGbkAndConvertBothWays) {
  const std::string gbk = "周日(日) 动画\r\n·€";
  ASSERT_EQ(GbkToUtf16(gbk), u"周日(日) 动画\r\n·€");
  EXPECT_EQ(Utf16ToGbk(u"周日(日) 动画\r\n·€"), gbk);
  // Thai, an emoji and a cut-off character have no other form.
  EXPECT_FALSE(Utf16ToGbk(u"a\u0E01b") || Utf16ToGbk(u"\U0001F600") || GbkToUtf16("\xD6"));
}

// The user's readme.txt, shipped beside Mirevo.exe: GBK with CRLF line ends,
// as Notepad of that era reads it.
TEST(ReadmeTest, IsGbkWithCrLf) {
  const std::string text = testing::ReadBytes(MIREVO_SOURCE_DIR "/docs/readme.txt");
  ASSERT_GT(text.size(), 1000u);
  EXPECT_TRUE(IsValidGbk(text));
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "a line end without CR at byte " << at;
}

}  // namespace
}  // namespace mirevo
