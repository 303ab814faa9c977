#include "search/search_address.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <tuple>

#include "search/search_sources.h"

namespace mirevo {
namespace {

// 中 is D6 D0 (U+4E2D), the middle dot A1 A4 (U+00B7), 动画 B6AF BBAD.
TEST(EncodeSearchKeywordTest, GivesTheWorkedResults) {
  // Text, encoding, address text. Single bytes alone are the reserved-set test's.
  const std::tuple<const char*, int, const char*> cases[] = {
      {"\xD6\xD0", 3, "%E4%B8%AD"},
      {"\xA1\xA4", 3, "%C2%B7"},
      {"动画 2", 2, "%52%A8%75%3B+2"},
      // Encoding 0 leaves the text alone; outside 0..3 single bytes are
      // escaped and two-byte characters left out. (GB2312's pairs are the
      // reserved-set test's.)
      {"a b+中", 0, "a b+中"},
      {"a b+\xD6\xD0z", 4, "a+b%2Bz"},
      {"\xD6\xD0-\xB6\xAF", -1, "-"},
      // Half a character at the end is dropped, not read past.
      {"a\xD6", 1, "a"},
      {"a\xD6", 3, "a"},
  };
  for (auto [input, encoding, expected] : cases)
    EXPECT_EQ(EncodeSearchKeyword(input, encoding), expected) << input << " " << encoding;
}

std::string Hex(int c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%%%02X", c);
  return buffer;
}

// The reserved set by its definition: printable ASCII except letters,
// digits, the blank, "-", "." and "_".
TEST(ReservedSetTest, EverySingleByteIsClassifiedAsDefined) {
  for (int c = 0; c < 0x80; ++c) {
    const bool defined =
        c >= 0x21 && c <= 0x7E && !std::isalnum(c) && c != '-' && c != '.' && c != '_';
    const std::string input(1, static_cast<char>(c));
    const std::string expected = defined ? Hex(c) : c == ' ' ? "+" : input;
    EXPECT_EQ(IsReservedSearchByte(static_cast<unsigned char>(c)), defined) << c;
    for (int encoding = 1; encoding <= 4; ++encoding)
      EXPECT_EQ(EncodeSearchKeyword(input, encoding), expected) << c << " in " << encoding;
  }
  // The byte after a high byte belongs to it, so an "A" there is escaped too.
  for (int c = 0x80; c < 0x100; ++c) {
    EXPECT_FALSE(IsReservedSearchByte(static_cast<unsigned char>(c))) << c;
    const std::string input = std::string(1, static_cast<char>(c)) + "A";
    EXPECT_EQ(EncodeSearchKeyword(input, kGb2312Encoding), Hex(c) + "%41") << c;
  }
}

// The built-in services' addresses are checked here and nowhere else.
TEST(BuildSearchAddressTest, JoinsPrefixTextAndPostfix) {
  const auto& sources = BuiltInSearchSources();
  const std::string first =
      BuildSearchAddress(sources[0].prefix, sources[0].postfix, sources[0].encoding, "动画 2");
  EXPECT_TRUE(first.starts_with("http://") && first.ends_with("/i.g?k=动画 2&c=gs_all")) << first;
  const std::string second =
      BuildSearchAddress(sources[1].prefix, sources[1].postfix, sources[1].encoding, "动画");
  EXPECT_TRUE(second.ends_with("/search.php?act=result&keyword=%E5%8A%A8%E7%94%BB")) << second;
}

}  // namespace
}  // namespace mirevo
