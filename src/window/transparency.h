// Window transparency in ten steps, for the main window and the preview
// popup. A window only becomes layered once it is asked to be see-through,
// so the common opaque case keeps an ordinary window.
#pragma once

namespace mirevo {

inline constexpr int kTransparencyLevels = 10;  // "0%" .. "90%"

// 255 - level * 255 / 10 in integers: 255, 230, 204, ... 26. A level outside
// 0..9 (a hand-edited settings file) counts as 0.
int AlphaForLevel(int level);

// What to do to a window, in order: add WS_EX_LAYERED when makeLayered (and
// remember that the window is layered now), then call
// SetLayeredWindowAttributes(colour key 0, alpha, LWA_ALPHA) when setAlpha.
struct TransparencyStep {
  bool makeLayered = false;
  bool setAlpha = false;
  int alpha = 255;
};

// A window that was never layered stays untouched at level 0; once layered it
// stays layered, and level 0 makes it opaque.
TransparencyStep PlanTransparency(int level, bool alreadyLayered);

}  // namespace mirevo
