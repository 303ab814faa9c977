// The colours the owner-drawn menus paint with, derived from the system's
// colours so that they follow the user's colour scheme.
#pragma once

#include "look/colours.h"

namespace mirevo {

// The system colours the menus start from (GetSysColor).
struct SystemColours {
  Colour menu = 0;
  Colour menuText = 0;
  Colour highlight = 0;
  Colour highlightText = 0;
  Colour grayText = 0;
  Colour window = 0;
  Colour buttonFace = 0;
  Colour buttonHighlight = 0;
  Colour buttonShadow = 0;
};

struct ClassicMenuColours {
  Colour background = 0;
  Colour text = 0;
  Colour selectedFill = 0;
  Colour selectedText = 0;
  Colour disabledText = 0;
  Colour disabledEmboss = 0;  // the light copy beneath disabled text
  // A checked item's icon cell: a sunken frame around a light background.
  Colour checkCellBackground = 0;
  Colour checkFrameLight = 0;
  Colour checkFrameDark = 0;
  // The etched separator line: dark above light.
  Colour separatorDark = 0;
  Colour separatorLight = 0;
};

ClassicMenuColours ClassicMenuColoursFor(const SystemColours& system);

struct XpMenuColours {
  Colour background = 0;
  Colour iconColumn = 0;
  Colour text = 0;
  Colour selectedFill = 0;
  Colour selectedFrame = 0;  // one pixel around the selected fill
  Colour disabledText = 0;
  Colour separator = 0;
};

// themed: the XP look is the system's own (XP with a visual theme). When it
// is forced elsewhere, the plain face and highlight colours are darker, so
// the icon column and the selection are lightened more.
XpMenuColours XpMenuColoursFor(const SystemColours& system, bool themed);

}  // namespace mirevo
