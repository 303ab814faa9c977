#include "text/codepage.h"

#include "text/gbk.h"

namespace mirevo {

std::u16string GbkToUtf16Lenient(std::string_view gbk) {
  if (auto strict = GbkToUtf16(gbk)) return *strict;
  // Character by character: only a broken text comes here.
  constexpr char16_t kReplacement = u'\xFFFD';
  std::u16string out;
  std::size_t pos = 0;
  while (pos < gbk.size()) {
    const auto lead = static_cast<unsigned char>(gbk[pos]);
    const std::size_t length = GbkCharLengthAt(gbk, pos);
    if (lead < 0x80) {
      out += static_cast<char16_t>(lead);
    } else if (auto one = GbkToUtf16(gbk.substr(pos, length))) {
      out += *one;
    } else {
      out += kReplacement;
    }
    pos += length;
  }
  return out;
}

}  // namespace mirevo
