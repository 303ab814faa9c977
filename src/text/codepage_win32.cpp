#include <windows.h>

#include "text/codepage.h"
#include "text/gbk.h"

namespace mirevo {
namespace {
constexpr UINT kGbk = 936;
}

std::optional<std::u16string> GbkToUtf16(std::string_view gbk) {
  if (gbk.empty()) return std::u16string();
  if (!IsValidGbk(gbk)) return std::nullopt;
  const int inLen = static_cast<int>(gbk.size());
  int n = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), inLen, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), inLen,
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

std::optional<std::string> Utf16ToGbk(std::u16string_view utf16) {
  if (utf16.empty()) return std::string();
  const auto* in = reinterpret_cast<const wchar_t*>(utf16.data());
  const int inLen = static_cast<int>(utf16.size());
  BOOL usedDefault = FALSE;
  int n =
      WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, in, inLen, nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, in, inLen, out.data(), n, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

char16_t GbkPairToUtf16(unsigned char lead, unsigned char trail) {
  const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  wchar_t unit = 0;
  int n = MultiByteToWideChar(kGbk, MB_PRECOMPOSED | MB_ERR_INVALID_CHARS, pair, 2, &unit, 1);
  return n == 1 ? static_cast<char16_t>(unit) : u'\0';
}

}  // namespace mirevo
