#include "ui/win32/wide_text.h"

#include "text/codepage.h"

namespace mirevo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 units");

namespace {

std::wstring Wide(const std::u16string& utf16) {
  return std::wstring(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size());
}

}  // namespace

std::optional<std::wstring> StrictWideFromGbk(std::string_view gbk) {
  std::optional<std::u16string> utf16 = GbkToUtf16(gbk);
  if (!utf16) return std::nullopt;
  return Wide(*utf16);
}

std::wstring WideFromGbk(std::string_view gbk) {
  return Wide(GbkToUtf16Lenient(gbk));
}

std::optional<std::string> GbkFromWide(std::wstring_view wide) {
  return Utf16ToGbk(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace mirevo::win32
