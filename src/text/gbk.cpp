#include "text/gbk.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace mirevo {
namespace {

// Reads the character at pos and advances pos past it.
unsigned NextChar(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = GbkCharLengthAt(text, pos);
  pos += length;
  return length == 2 ? lead * 256u + static_cast<unsigned char>(text[pos - 1]) : lead;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  std::size_t m = 0;
  while (m < common && a[m] == b[m]) ++m;
  // The texts agree before m, and so do their characters up to the last one
  // that ends there: k is where the first character that may differ starts.
  // A lead byte just before m is left for the walk below, since whether it
  // pairs depends on the byte at m.
  std::size_t k = 0;
  while (k < m) {
    if (k + 1 == m && IsGbkLeadByte(static_cast<unsigned char>(a[k]))) break;
    const std::size_t next = k + GbkCharLengthAt(a, k);
    if (next > m) break;
    k = next;
  }
  // Fast path: where the first differing byte starts a character in both
  // texts and neither side is a lead byte there, the character order is the
  // byte order.
  auto notLead = [](std::string_view t, std::size_t at) {
    return at >= t.size() || !IsGbkLeadByte(static_cast<unsigned char>(t[at]));
  };
  if (k == m && notLead(a, m) && notLead(b, m)) {
    if (m == a.size() || m == b.size()) return a.size() == b.size() ? 0 : (m == a.size() ? -1 : 1);
    return static_cast<unsigned char>(a[m]) < static_cast<unsigned char>(b[m]) ? -1 : 1;
  }
  std::size_t i = k;
  std::size_t j = k;
  while (i < a.size() && j < b.size()) {
    unsigned ca = NextChar(a, i);
    unsigned cb = NextChar(b, j);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

char* WriteSortKey(std::string_view text, char* out) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = GbkCharLengthAt(text, pos);
    *out++ = length == 2 ? text[pos] : '\0';
    *out++ = text[pos + length - 1];
    pos += length;
  }
  return out;
}

int ReadAtoi(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsCSpace(static_cast<unsigned char>(text[pos]))) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{INT_MAX} + 1;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos] - '0');
    if (value > kLimit) value = kLimit;
    ++pos;
  }
  if (negative) return static_cast<int>(-value);
  return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}

std::optional<int> ReadDecimal(std::string_view text) {
  text = TrimWhiteSpace(text);
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

bool IsValidGbk(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    auto c = static_cast<unsigned char>(text[pos]);
    if (c <= 0x80) continue;
    if (!IsGbkLeadByte(c) || pos + 1 >= text.size()) return false;
    if (!IsGbkTrailByte(static_cast<unsigned char>(text[pos + 1]))) return false;
    ++pos;
  }
  return true;
}

std::size_t CharBoundaryAtOrBelow(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  std::size_t pos = 0;
  while (pos < maxBytes) {
    std::size_t next = pos;
    NextChar(text, next);
    if (next > maxBytes) break;
    pos = next;
  }
  return pos;
}

std::string_view TrimWhiteSpace(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsCSpace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsCSpace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

}  // namespace mirevo
