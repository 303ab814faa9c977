#include "ui/win32/wide_text.h"

#include <windows.h>

#include "text/codepage.h"

namespace mirevo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 units");

std::optional<std::wstring> StrictWideFromGbk(std::string_view gbk) {
  std::optional<std::u16string> utf16 = GbkToUtf16(gbk);
  if (!utf16) return std::nullopt;
  return std::wstring(reinterpret_cast<const wchar_t*>(utf16->data()), utf16->size());
}

std::wstring WideFromGbk(std::string_view gbk) {
  if (std::optional<std::wstring> strict = StrictWideFromGbk(gbk)) return *strict;
  constexpr UINT kGbk = 936;
  const int inLen = static_cast<int>(gbk.size());
  const int n = ::MultiByteToWideChar(kGbk, 0, gbk.data(), inLen, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(kGbk, 0, gbk.data(), inLen, out.data(), n);
  return out;
}

std::optional<std::string> GbkFromWide(std::wstring_view wide) {
  return Utf16ToGbk(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace mirevo::win32
