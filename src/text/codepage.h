// Conversion between GBK bytes and UTF-16. Code page 936 is always named
// explicitly, so the result does not depend on the system's ANSI code page.
// Windows uses MultiByteToWideChar/WideCharToMultiByte, elsewhere iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirevo {

// nullopt when the bytes are not valid GBK.
std::optional<std::u16string> GbkToUtf16(std::string_view gbk);

// For display: a text that is not valid GBK (a hand-edited file) still
// converts, each broken character as U+FFFD.
std::u16string GbkToUtf16Lenient(std::string_view gbk);

// nullopt when a character has no GBK form (it would otherwise become "?").
std::optional<std::string> Utf16ToGbk(std::u16string_view utf16);

// The UTF-16 unit of one two-byte character; 0 when the pair is not one.
char16_t GbkPairToUtf16(unsigned char lead, unsigned char trail);

}  // namespace mirevo
