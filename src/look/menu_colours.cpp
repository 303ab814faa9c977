#include "look/menu_colours.h"

namespace mirevo {
namespace {

constexpr double kCheckCellLightening = 0.6;
constexpr double kUnthemedIconColumnLightening = 0.25;
constexpr double kThemedSelectionLightening = 0.7;
constexpr double kUnthemedSelectionLightening = 0.85;
constexpr double kXpDisabledLightening = 0.4;

}  // namespace

ClassicMenuColours ClassicMenuColoursFor(const SystemColours& system) {
  ClassicMenuColours c;
  c.background = system.menu;
  c.text = system.menuText;
  c.selectedFill = system.highlight;
  c.selectedText = system.highlightText;
  c.disabledText = system.grayText;
  c.disabledEmboss = system.buttonHighlight;
  c.checkCellBackground = LightenColour(system.buttonFace, kCheckCellLightening);
  c.checkFrameLight = system.buttonHighlight;
  c.checkFrameDark = system.buttonShadow;
  c.separatorDark = system.buttonShadow;
  c.separatorLight = system.buttonHighlight;
  return c;
}

XpMenuColours XpMenuColoursFor(const SystemColours& system, bool themed) {
  XpMenuColours c;
  c.background = system.window;
  c.iconColumn =
      themed ? system.buttonFace : LightenColour(system.buttonFace, kUnthemedIconColumnLightening);
  c.text = system.menuText;
  c.selectedFill = LightenColour(
      system.highlight, themed ? kThemedSelectionLightening : kUnthemedSelectionLightening);
  c.selectedFrame = system.highlight;
  c.disabledText = LightenColour(system.grayText, kXpDisabledLightening);
  c.separator = system.buttonShadow;
  return c;
}

}  // namespace mirevo
