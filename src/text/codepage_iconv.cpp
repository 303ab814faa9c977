#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "text/codepage.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

// Converts with a fresh iconv descriptor; nullopt on any invalid or
// unconvertible input.
template <typename Out, typename In>
std::optional<Out> Convert(const char* to, const char* from, const In& input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  const std::size_t inBytes = input.size() * sizeof(typename In::value_type);
  std::string out(inBytes * 2 + 4, '\0');
  char* inPtr = const_cast<char*>(reinterpret_cast<const char*>(input.data()));
  std::size_t inLeft = inBytes;
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || inLeft != 0 || rc != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  Out result(out.size() / sizeof(typename Out::value_type), typename Out::value_type{});
  std::memcpy(result.data(), out.data(), out.size());
  return result;
}

}  // namespace

std::optional<std::u16string> GbkToUtf16(std::string_view gbk) {
  if (!IsValidGbk(gbk)) return std::nullopt;
  return Convert<std::u16string>("UTF-16LE", "CP936", gbk);
}

std::optional<std::string> Utf16ToGbk(std::u16string_view utf16) {
  return Convert<std::string>("CP936", "UTF-16LE", utf16);
}

char16_t GbkPairToUtf16(unsigned char lead, unsigned char trail) {
  const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  auto units = GbkToUtf16(std::string_view(pair, 2));
  return units && units->size() == 1 ? (*units)[0] : u'\0';
}

}  // namespace mirevo
