// Which look the owner-drawn menus take: the flat look of a themed XP, the
// classic three-dimensional one everywhere else.
#pragma once

#include <string_view>

namespace mirevo {

// Win32s and the 9x family report themselves apart from the NT family;
// Win32s counts with the 9x family here.
enum class SystemFamily { kWindows9x, kWindowsNt };

enum class SystemKind {
  kWin16Host = 0,  // a 9x-family version below 4
  kOtherNt = 1,    // also every NT newer than XP
  kWindows95 = 2,  // and any other 9x-family version
  kWindows98 = 3,
  kWindowsMe = 4,
  kWindowsNt4 = 5,
  kWindows2000 = 6,
  kWindowsXp = 7,
};

// From the version the system reports. When the query fails on NT (not
// enough memory), the caller passes NT with major 0.
SystemKind SystemKindOf(SystemFamily family, int major, int minor);

// Whether the current theme (the path text of the user's current theme
// file; empty when it cannot be read) is the classic one.
bool IsClassicThemePath(std::string_view themePath);

enum class MenuLook { kClassic, kXp };

// The XP look belongs to XP with a visual theme only.
MenuLook MenuLookInUse(SystemKind kind, bool classicTheme);

// A device that works with a palette cannot show the XP look's light tints.
MenuLook DrawingLook(MenuLook inUse, bool devicePalette);

}  // namespace mirevo
