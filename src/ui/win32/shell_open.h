// The shell-open service: hands a web address to the shell, which opens it
// in the user's browser. Tests replace it with a fake that records addresses.
#pragma once

#include <windows.h>

#include <string_view>

namespace mirevo::win32 {

class ShellOpenService {
 public:
  virtual ~ShellOpenService() = default;
  // Opens address (GBK) with the shell's default verb, shown maximised, with
  // owner as the owner of any window the shell shows. Returns whether the
  // shell accepted it; the program itself reports nothing either way.
  virtual bool Open(HWND owner, std::string_view address) = 0;

  // Opens a link's target (GBK) with the shell's "open" verb, shown in its
  // normal state, as the about box's links do. Returns whether the shell
  // succeeded. Services that do not tell the two kinds of opening apart
  // open links as addresses.
  virtual bool OpenLink(HWND owner, std::string_view target) { return Open(owner, target); }
};

// ShellExecuteW(owner, default verb, address, no parameters, no directory,
// SW_SHOWMAXIMIZED). Bytes that are not valid GBK are converted leniently,
// as the display converts them.
class Win32ShellOpen final : public ShellOpenService {
 public:
  bool Open(HWND owner, std::string_view address) override;
  // ShellExecuteW(owner, "open", target, no parameters, no directory,
  // SW_SHOWNORMAL); success is a result above 32.
  bool OpenLink(HWND owner, std::string_view target) override;
};

}  // namespace mirevo::win32
