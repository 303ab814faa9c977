// Transparency of one window: the window is made layered at its first
// non-zero level and stays layered; each level sets the window's constant
// alpha. SetLayeredWindowAttributes is looked up at run time in User32.DLL:
// where it is missing, transparency does nothing.
#pragma once

#include <windows.h>

namespace mirevo::win32 {

// The window's alpha for a level of 0 (opaque) .. 9 (90 % transparent):
// 255 - level * 255 / 10 in integers, so 255, 230, 204, ... 26.
int AlphaForLevel(int level);

class LayeredWindow {
 public:
  // level: 0 .. 9, as AppSettings::TransparencyLevel gives it. A window that
  // was never layered stays untouched at level 0.
  void Apply(HWND window, int level);

 private:
  bool layered_ = false;
};

}  // namespace mirevo::win32
