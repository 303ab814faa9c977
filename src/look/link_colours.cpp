#include "look/link_colours.h"

namespace mirevo {

LinkActions LinkColours::MouseOver() {
  if (hovering_) return {};
  hovering_ = true;
  colour_ = kLinkHoverColour;
  return {.startTimer = true, .repaint = true};
}

LinkActions LinkColours::TimerFired(bool mouseInside) {
  if (mouseInside) return {};
  hovering_ = false;
  colour_ = kLinkColour;
  return {.stopTimer = true, .repaint = true, .repaintBelow = true};
}

LinkActions LinkColours::OpenFinished(bool succeeded) {
  if (!succeeded) return {.beep = true};
  colour_ = kLinkVisitedColour;
  return {.repaint = true};
}

std::string LinkTarget(std::string_view stringTableText, std::string_view windowText) {
  if (!stringTableText.empty()) return std::string(stringTableText);
  return std::string(windowText);
}

bool IsLinkTextStyle(std::uint32_t style) {
  return (style & 0xFF) <= 2;
}

}  // namespace mirevo
