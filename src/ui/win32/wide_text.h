// GBK <-> UTF-16 at the window edge. Every text the program keeps is GBK
// bytes; Win32 is always called through its W functions with these
// conversions, which name code page 936 and never depend on CP_ACP.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirevo::win32 {

// For display: a byte sequence that is not valid GBK (a hand-edited file) is
// still shown, its broken bytes as U+FFFD or the system's replacement.
std::wstring WideFromGbk(std::string_view gbk);

// nullopt when the bytes are not valid GBK.
std::optional<std::wstring> StrictWideFromGbk(std::string_view gbk);

// nullopt when a character has no GBK form; never a silent "?".
std::optional<std::string> GbkFromWide(std::wstring_view wide);

}  // namespace mirevo::win32
