#include "search/search_address.h"

#include "search/search_sources.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

void AppendEscaped(std::string& out, unsigned byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[(byte >> 4) & 0xF];
  out += kHex[byte & 0xF];
}

// A two-byte character in the chosen encoding's escaped form.
void AppendEscapedPair(std::string& out, unsigned char lead, unsigned char trail, int encoding) {
  if (encoding == kGb2312Encoding) {
    AppendEscaped(out, lead);
    AppendEscaped(out, trail);
    return;
  }
  if (encoding != kUnicodeEncoding && encoding != kUtf8Encoding) return;
  const char16_t unit = GbkPairToUtf16(lead, trail);
  if (unit == 0) return;  // no such character: nothing sensible to send
  if (encoding == kUnicodeEncoding) {
    AppendEscaped(out, unit >> 8);
    AppendEscaped(out, unit & 0xFF);
  } else if (unit >= 0x800) {
    AppendEscaped(out, 0xE0 | (unit >> 12));
    AppendEscaped(out, 0x80 | ((unit >> 6) & 0x3F));
    AppendEscaped(out, 0x80 | (unit & 0x3F));
  } else {
    AppendEscaped(out, 0xC0 | (unit >> 6));
    AppendEscaped(out, 0x80 | (unit & 0x3F));
  }
}

}  // namespace

bool IsReservedSearchByte(unsigned char c) {
  return (c >= 0x21 && c <= 0x2C) || c == 0x2F || (c >= 0x3A && c <= 0x40) ||
         (c >= 0x5B && c <= 0x5E) || c == 0x60 || (c >= 0x7B && c <= 0x7E);
}

std::string EncodeSearchKeyword(std::string_view text, int encoding) {
  if (encoding == kNoEncoding) return std::string(text);
  std::string out;
  out.reserve(text.size() * 9 / 2 + 3);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (IsReservedSearchByte(c)) {
      AppendEscaped(out, c);
    } else if (c == ' ') {
      out += '+';
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      // A lead byte whose partner was cut off is half a character: drop it
      // rather than read past the text.
      if (pos + 1 >= text.size()) break;
      AppendEscapedPair(out, c, static_cast<unsigned char>(text[pos + 1]), encoding);
      ++pos;
    }
    ++pos;
  }
  return out;
}

std::string BuildSearchAddress(std::string_view prefix, std::string_view postfix, int encoding,
                               std::string_view searchText) {
  std::string address(prefix);
  if (encoding == kNoEncoding)
    address += searchText;
  else
    address += EncodeSearchKeyword(searchText, encoding);
  address += postfix;
  return address;
}

std::string SearchTextOf(std::string_view keyword, std::string_view name) {
  // A keyword of blanks still wins over the name, and then trims to nothing.
  return std::string(TrimWhiteSpace(keyword.empty() ? name : keyword));
}

}  // namespace mirevo
