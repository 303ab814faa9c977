// The two built-in search services. Their prefix, postfix and keyword
// encoding live here and nowhere else.
#pragma once

#include <array>
#include <string_view>

namespace mirevo {

// How the search text is written into the address.
enum KeywordEncoding : int {
  kNoEncoding = 0,
  kGb2312Encoding = 1,
  kUnicodeEncoding = 2,
  kUtf8Encoding = 3,
};

struct SearchSource {
  std::string_view label;  // GBK, as the search page shows it
  std::string_view prefix;
  std::string_view postfix;
  int encoding;
};

inline constexpr int kCustomSearchSource = 2;

const std::array<SearchSource, 2>& BuiltInSearchSources();

}  // namespace mirevo
