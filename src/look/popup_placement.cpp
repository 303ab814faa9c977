#include "look/popup_placement.h"

namespace mirevo {

Size PreviewPopupSize(int dpi) {
  return {ScaleForDpi(kPreviewPopupWidth, dpi), ScaleForDpi(kPreviewPopupHeight, dpi)};
}

Point PlacePreviewPopup(const Rect& mainWindow, int rowOffset, int dpi) {
  const int keptHeight = ScaleForDpi(kPreviewPopupKeptHeight, dpi);
  int top = mainWindow.top + rowOffset;
  if (top + keptHeight > mainWindow.bottom) top = mainWindow.bottom - keptHeight;
  return {mainWindow.left - ScaleForDpi(kPreviewPopupLeftShift, dpi), top};
}

}  // namespace mirevo
