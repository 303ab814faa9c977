// The colours of a hyperlink in a static control and what the control does
// as the mouse comes, goes and clicks. The control carries the actions out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "look/colours.h"

namespace mirevo {

inline constexpr Colour kLinkColour = MakeColour(0, 0, 255);
inline constexpr Colour kLinkHoverColour = MakeColour(255, 0, 0);
inline constexpr Colour kLinkVisitedColour = MakeColour(128, 0, 128);

// The timer that notices the mouse has left, since a static gets no
// mouse-leave of its own.
inline constexpr unsigned kLinkTimerId = 1;
inline constexpr unsigned kLinkTimerPeriodMs = 100;
// On leaving, this much below the client area is repainted as well.
inline constexpr int kLinkRepaintBelow = 10;

struct LinkActions {
  bool startTimer = false;
  bool stopTimer = false;
  bool repaint = false;
  bool repaintBelow = false;  // also kLinkRepaintBelow pixels under the client area
  bool beep = false;

  friend bool operator==(const LinkActions&, const LinkActions&) = default;
};

class LinkColours {
 public:
  Colour colour() const { return colour_; }
  bool hovering() const { return hovering_; }

  // The control's hit test found the mouse over it. Only the first time
  // after leaving does anything: red, repaint, start the timer.
  LinkActions MouseOver();

  // The timer fired; mouseInside: the last mouse point lies in the client
  // area. Outside, the link is blue again, even after a visit.
  LinkActions TimerFired(bool mouseInside);

  // Opening the target succeeded (the link turns purple) or failed (a
  // beep only).
  LinkActions OpenFinished(bool succeeded);

 private:
  Colour colour_ = kLinkColour;
  bool hovering_ = false;
};

// What a click opens: the string-table text for the control's id (empty
// when there is none), else the window text. Empty: nothing to open.
std::string LinkTarget(std::string_view stringTableText, std::string_view windowText);

// Only statics that show text (left, centred or right aligned: the low
// byte of the style 0..2) take the link's colours; icons and frames keep
// their own.
bool IsLinkTextStyle(std::uint32_t style);

}  // namespace mirevo
