// The colours of a flat button: six slots, and which of them a drawing
// state paints with.
#pragma once

#include <array>

#include "look/colours.h"

namespace mirevo {

// The numbers are what the button's colour operations answer.
enum class FlatButtonStatus { kOk = 0, kInvalidSlot = 3, kOffsetOutOfRange = 5 };

inline constexpr int kHoverBackgroundSlot = 0;  // also while pressed
inline constexpr int kHoverTextSlot = 1;
inline constexpr int kNormalBackgroundSlot = 2;
inline constexpr int kNormalTextSlot = 3;
inline constexpr int kFocusBackgroundSlot = 4;
inline constexpr int kFocusTextSlot = 5;
inline constexpr int kFlatButtonSlotCount = 6;

// Every dialog lightens its buttons' hover background by this on opening.
inline constexpr int kDialogHoverLightening = 30;

// Drawing geometry at 96 DPI: the corner ellipse of the rounded hover
// background, and how far the text moves right and down while the button
// is pressed.
inline constexpr int kFlatButtonCornerEllipse = 8;
inline constexpr int kFlatButtonPressedTextShift = 1;

class FlatButtonColours {
 public:
  // Background slots start as the system's button face, text slots as its
  // button text.
  FlatButtonColours(Colour buttonFace, Colour buttonText);

  void Reset(Colour buttonFace, Colour buttonText);

  // A slot outside 0..5 is refused and nothing changes.
  FlatButtonStatus Set(int slot, Colour colour);

  // OffsetColour on one slot; the slot is checked before the offset.
  FlatButtonStatus Offset(int slot, int offset);

  // slot must be 0..5.
  Colour At(int slot) const { return slots_[slot]; }
  friend bool operator==(const FlatButtonColours&, const FlatButtonColours&) = default;

 private:
  std::array<Colour, kFlatButtonSlotCount> slots_{};
};

// The slots one drawing uses: the fill of the background, and the text
// colour with the background colour behind the text. Focus changes only
// the fill: a focused button's text stays in the normal slots, so the
// focused-text slot is kept but never drawn.
struct FlatButtonPaintSlots {
  int fill = kNormalBackgroundSlot;
  int text = kNormalTextSlot;
  int textBackground = kNormalBackgroundSlot;

  friend bool operator==(const FlatButtonPaintSlots&, const FlatButtonPaintSlots&) = default;
};

FlatButtonPaintSlots PaintSlotsFor(bool hoveringOrPressed, bool focused);

// What every dialog does to each flat button on opening.
void ApplyDialogOpeningLook(FlatButtonColours& colours);

// A colour button of the reminder page showing colour c: hover background
// and normal text in c, hover text in its complement.
void ShowChosenColour(FlatButtonColours& colours, Colour c);

}  // namespace mirevo
