// Reading and writing the text of a window or dialog control as GBK.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace mirevo::win32 {

// The window's text as UTF-16, exactly as the control holds it.
std::wstring ReadWideText(HWND window);

// The window's text as GBK bytes; nullopt when the text holds a character
// that GBK cannot represent (for example Hangul or an emoji typed or pasted
// by the user). Callers refuse the input then; they never store a "?".
// A missing window (nullptr) reads as the empty text.
std::optional<std::string> ReadText(HWND window);
std::optional<std::string> ReadItemText(HWND dialog, int controlId);

// Sets the window's text from GBK bytes. Returns false when the bytes were
// not valid GBK; the text is then still set, with replacement characters in
// place of the broken bytes, so that the user sees it.
bool WriteText(HWND window, std::string_view gbk);
bool WriteItemText(HWND dialog, int controlId, std::string_view gbk);

}  // namespace mirevo::win32
