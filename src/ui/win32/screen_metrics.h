// The resolution of the screen in use, which the program's pixel sizes
// (chosen at 96 DPI) are scaled to.
#pragma once

namespace mirevo::win32 {

// The screen's logical pixels per inch (96 at 100 %).
int ScreenDpi();

}  // namespace mirevo::win32
