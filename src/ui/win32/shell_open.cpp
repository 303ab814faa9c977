#include "ui/win32/shell_open.h"

#include <shellapi.h>

#include <optional>
#include <string>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {

bool Win32ShellOpen::Open(HWND owner, std::string_view address) {
  std::optional<std::wstring> wide = StrictWideFromGbk(address);
  if (!wide || wide->empty()) return false;
  HINSTANCE result =
      ::ShellExecuteW(owner, nullptr, wide->c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Win32ShellOpen::OpenLink(HWND owner, std::string_view target) {
  std::optional<std::wstring> wide = StrictWideFromGbk(target);
  if (!wide || wide->empty()) return false;
  HINSTANCE result =
      ::ShellExecuteW(owner, L"open", wide->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace mirevo::win32
