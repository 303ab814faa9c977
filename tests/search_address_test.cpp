#include "search/search_address.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "search/search_sources.h"

namespace mirevo {
namespace {

struct EncodeCase {
  const char* input;
  int encoding;
  const char* expected;
};

class EncodeSearchKeywordTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeSearchKeywordTest, GivesTheWorkedResult) {
  EXPECT_EQ(EncodeSearchKeyword(GetParam().input, GetParam().encoding), GetParam().expected);
}

// 中 is D6 D0 (U+4E2D), the middle dot A1 A4 (U+00B7), 动画 B6AF BBAD.
INSTANTIATE_TEST_SUITE_P(
    WorkedResults, EncodeSearchKeywordTest,
    ::testing::Values(
        EncodeCase{"abc", 1, "abc"}, EncodeCase{"abc", 2, "abc"}, EncodeCase{"abc", 3, "abc"},
        EncodeCase{"a b", 1, "a+b"}, EncodeCase{"a b", 2, "a+b"}, EncodeCase{"a b", 3, "a+b"},
        EncodeCase{"1+1", 1, "1%2B1"}, EncodeCase{"1+1", 2, "1%2B1"}, EncodeCase{"1+1", 3, "1%2B1"},
        EncodeCase{"100%", 1, "100%25"}, EncodeCase{"100%", 2, "100%25"},
        EncodeCase{"100%", 3, "100%25"}, EncodeCase{"x-y_z.1", 1, "x-y_z.1"},
        EncodeCase{"x-y_z.1", 2, "x-y_z.1"}, EncodeCase{"x-y_z.1", 3, "x-y_z.1"},
        EncodeCase{"a~b", 1, "a%7Eb"}, EncodeCase{"a~b", 2, "a%7Eb"}, EncodeCase{"a~b", 3, "a%7Eb"},
        EncodeCase{"\xD6\xD0", 1, "%D6%D0"}, EncodeCase{"\xD6\xD0", 2, "%4E%2D"},
        EncodeCase{"\xD6\xD0", 3, "%E4%B8%AD"}, EncodeCase{"\xA1\xA4", 3, "%C2%B7"},
        EncodeCase{"\xB6\xAF\xBB\xAD 2", 3, "%E5%8A%A8%E7%94%BB+2"},
        // Source literals reach the program as GBK.
        EncodeCase{"中", 1, "%D6%D0"}, EncodeCase{"动画 2", 2, "%52%A8%75%3B+2"},
        // Encoding 0 leaves the text alone.
        EncodeCase{"a b+中", 0, "a b+中"},
        // Outside 0..3: single bytes escaped, two-byte characters left out.
        EncodeCase{"a b+\xD6\xD0z", 4, "a+b%2Bz"}, EncodeCase{"\xD6\xD0-\xB6\xAF", -1, "-"},
        // Half a character at the end is dropped, not read past.
        EncodeCase{"a\xD6", 1, "a"}, EncodeCase{"a\xD6", 3, "a"}));

// The reserved set in words: printable ASCII except letters, digits, the
// blank, "-", "." and "_".
bool ReservedByDefinition(int c) {
  if (c < 0x21 || c > 0x7E) return false;
  if (std::isalnum(c)) return false;
  return c != '-' && c != '.' && c != '_';
}

std::string Hex(int c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%%%02X", c);
  return buffer;
}

TEST(ReservedSetTest, EverySingleByteIsClassifiedAsDefined) {
  int reserved = 0;
  for (int c = 0; c < 0x80; ++c) {
    const std::string input(1, static_cast<char>(c));
    std::string expected = input;
    if (ReservedByDefinition(c)) {
      expected = Hex(c);
      ++reserved;
    } else if (c == ' ') {
      expected = "+";
    }
    EXPECT_EQ(IsReservedSearchByte(static_cast<unsigned char>(c)), ReservedByDefinition(c)) << c;
    for (int encoding = 1; encoding <= 4; ++encoding)
      EXPECT_EQ(EncodeSearchKeyword(input, encoding), expected) << c << " in " << encoding;
  }
  EXPECT_EQ(reserved, 29);
}

TEST(ReservedSetTest, EveryHighByteStartsATwoByteCharacter) {
  // The byte after a high byte belongs to it, so an "A" there is escaped too.
  for (int c = 0x80; c < 0x100; ++c) {
    EXPECT_FALSE(IsReservedSearchByte(static_cast<unsigned char>(c))) << c;
    const std::string input = std::string(1, static_cast<char>(c)) + "A";
    EXPECT_EQ(EncodeSearchKeyword(input, kGb2312Encoding), Hex(c) + "%41") << c;
  }
}

TEST(BuildSearchAddressTest, JoinsPrefixTextAndPostfix) {
  EXPECT_EQ(BuildSearchAddress("http://h/s?k=", "&c=all", kNoEncoding, "a b"),
            "http://h/s?k=a b&c=all");
  EXPECT_EQ(BuildSearchAddress("http://h/s?k=", "", kUtf8Encoding, "动画 2"),
            "http://h/s?k=%E5%8A%A8%E7%94%BB+2");
  EXPECT_EQ(BuildSearchAddress("p", "q", kGb2312Encoding, "中&"), "p%D6%D0%26q");
  EXPECT_EQ(BuildSearchAddress("p", "q", 7, "中a"), "paq");
}

TEST(BuildSearchAddressTest, BuiltInSourcesGiveTheirAddressForms) {
  const auto& sources = BuiltInSearchSources();
  const std::string first =
      BuildSearchAddress(sources[0].prefix, sources[0].postfix, sources[0].encoding, "动画 2");
  EXPECT_TRUE(first.starts_with("http://")) << first;
  EXPECT_TRUE(first.ends_with("/i.g?k=动画 2&c=gs_all")) << first;
  const std::string second =
      BuildSearchAddress(sources[1].prefix, sources[1].postfix, sources[1].encoding, "动画");
  EXPECT_EQ(second.substr(second.size() - 49), "/search.php?act=result&keyword=%E5%8A%A8%E7%94%BB");
}

TEST(SearchTextOfTest, KeywordWinsBeforeTrimming) {
  struct Case {
    const char* keyword;
    const char* name;
    const char* expected;
  };
  const Case cases[] = {
      {"key", "name", "key"},
      {"", "name", "name"},
      {" \t key \r\n", "name", "key"},
      {"", "  动画 2 ", "动画 2"},
      {"   ", "name", ""},  // a keyword of blanks still wins, and searches nothing
      {"", " ", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SearchTextOf(c.keyword, c.name), c.expected) << c.keyword << "|" << c.name;
}

}  // namespace
}  // namespace mirevo
