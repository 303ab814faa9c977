#include "ui/win32/shell_open.h"

#include <shellapi.h>

#include <string>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {
namespace {

// ShellExecute's answer above 32 is success. Bytes that are not GBK (a
// name from a hand-edited file) are converted as the list shows them: the
// address still goes to the browser.
bool Execute(HWND owner, const wchar_t* verb, std::string_view gbk, int show) {
  const std::wstring wide = WideFromGbk(gbk);
  if (wide.empty()) return false;
  HINSTANCE result = ::ShellExecuteW(owner, verb, wide.c_str(), nullptr, nullptr, show);
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
