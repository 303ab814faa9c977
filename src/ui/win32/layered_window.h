// Transparency of one window: the window is made layered at its first
// non-zero level and stays layered; each level sets the window's constant
// alpha. SetLayeredWindowAttributes is looked up at run time in User32.DLL:
// where it is missing, transparency does nothing.
#pragma once

#include <windows.h>

namespace mirevo::win32 {

class LayeredWindow {
 public:
  // level: 0 .. 9, as AppSettings::TransparencyLevel gives it. A window that
  // was never layered stays untouched at level 0.
  void Apply(HWND window, int level);

 private:
  bool layered_ = false;
};

}  // namespace mirevo::win32
