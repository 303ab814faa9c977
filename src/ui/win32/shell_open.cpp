#include "ui/win32/shell_open.h"

#include <shellapi.h>

#include <optional>
#include <string>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {
namespace {

// ShellExecute's answer above 32 is success.
bool Execute(HWND owner, const wchar_t* verb, std::string_view gbk, int show) {
  std::optional<std::wstring> wide = StrictWideFromGbk(gbk);
  if (!wide || wide->empty()) return false;
  HINSTANCE result = ::ShellExecuteW(owner, verb, wide->c_str(), nullptr, nullptr, show);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace

bool Win32ShellOpen::Open(HWND owner, std::string_view address) {
  return Execute(owner, nullptr, address, SW_SHOWMAXIMIZED);
}

bool Win32ShellOpen::OpenLink(HWND owner, std::string_view target) {
  return Execute(owner, L"open", target, SW_SHOWNORMAL);
}

}  // namespace mirevo::win32
