#include "look/flat_button_colours.h"

namespace mirevo {
namespace {

bool IsSlot(int slot) {
  return slot >= 0 && slot < kFlatButtonSlotCount;
}

}  // namespace

FlatButtonColours::FlatButtonColours(Colour buttonFace, Colour buttonText) {
  Reset(buttonFace, buttonText);
}

void FlatButtonColours::Reset(Colour buttonFace, Colour buttonText) {
  for (int slot = 0; slot < kFlatButtonSlotCount; slot += 2) {
    slots_[slot] = buttonFace;
    slots_[slot + 1] = buttonText;
  }
}

FlatButtonStatus FlatButtonColours::Set(int slot, Colour colour) {
  if (!IsSlot(slot)) return FlatButtonStatus::kInvalidSlot;
  slots_[slot] = colour;
  return FlatButtonStatus::kOk;
}

FlatButtonStatus FlatButtonColours::Offset(int slot, int offset) {
  if (!IsSlot(slot)) return FlatButtonStatus::kInvalidSlot;
  const std::optional<Colour> moved = OffsetColour(slots_[slot], offset);
  if (!moved) return FlatButtonStatus::kOffsetOutOfRange;
  slots_[slot] = *moved;
  return FlatButtonStatus::kOk;
}

FlatButtonPaintSlots PaintSlotsFor(bool hoveringOrPressed, bool focused) {
  if (hoveringOrPressed) return {kHoverBackgroundSlot, kHoverTextSlot, kHoverBackgroundSlot};
  if (focused) return {kFocusBackgroundSlot, kNormalTextSlot, kNormalBackgroundSlot};
  return {kNormalBackgroundSlot, kNormalTextSlot, kNormalBackgroundSlot};
}

void ApplyDialogOpeningLook(FlatButtonColours& colours) {
  colours.Offset(kHoverBackgroundSlot, kDialogHoverLightening);
}

void ShowChosenColour(FlatButtonColours& colours, Colour c) {
  colours.Set(kHoverBackgroundSlot, c);
  colours.Set(kHoverTextSlot, Complement(c));
  colours.Set(kNormalTextSlot, c);
}

}  // namespace mirevo
