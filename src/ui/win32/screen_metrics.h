// Sizes on the screen in use: its resolution, and dialog units turned into
// pixels for windows that are not made from a dialog template.
#pragma once

#include <windows.h>

namespace mirevo::win32 {

// The screen's logical pixels per inch (96 at 100 %).
int ScreenDpi();

// A size in dialog units of a dialog whose font is face at points, in pixels,
// computed as the dialog manager does it (the font's average character
// width and height on the screen).
SIZE DialogUnitsToPixels(const wchar_t* face, int points, SIZE units);

}  // namespace mirevo::win32
