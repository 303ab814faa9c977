#include "look/menu_look.h"

#include <algorithm>

namespace mirevo {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace

SystemKind SystemKindOf(SystemFamily family, int major, int minor) {
  if (family == SystemFamily::kWindowsNt) {
    if (major == 4) return SystemKind::kWindowsNt4;
    if (major == 5 && minor == 0) return SystemKind::kWindows2000;
    if (major == 5 && minor == 1) return SystemKind::kWindowsXp;
    return SystemKind::kOtherNt;
  }
  if (major < 4) return SystemKind::kWin16Host;
  if (major == 4 && minor == 10) return SystemKind::kWindows98;
  if (major == 4 && minor == 90) return SystemKind::kWindowsMe;
  return SystemKind::kWindows95;
}

bool IsClassicThemePath(std::string_view themePath) {
  return EndsWithIgnoringCase(themePath, "Windows Classic.theme");
}

MenuLook MenuLookInUse(SystemKind kind, bool classicTheme) {
  return kind == SystemKind::kWindowsXp && !classicTheme ? MenuLook::kXp : MenuLook::kClassic;
}

MenuLook DrawingLook(MenuLook inUse, bool devicePalette) {
  return devicePalette ? MenuLook::kClassic : inUse;
}

}  // namespace mirevo
