#include "ui/win32/control_text.h"

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {

std::wstring ReadWideText(HWND window) {
  if (window == nullptr) return std::wstring();
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::optional<std::string> ReadText(HWND window) {
  return GbkFromWide(ReadWideText(window));
}

std::optional<std::string> ReadItemText(HWND dialog, int controlId) {
  return ReadText(::GetDlgItem(dialog, controlId));
}

bool WriteText(HWND window, std::string_view gbk) {
  std::optional<std::wstring> strict = StrictWideFromGbk(gbk);
  const std::wstring wide = strict ? *strict : WideFromGbk(gbk);
  ::SetWindowTextW(window, wide.c_str());
  return strict.has_value();
}

bool WriteItemText(HWND dialog, int controlId, std::string_view gbk) {
  return WriteText(::GetDlgItem(dialog, controlId), gbk);
}

}  // namespace mirevo::win32
