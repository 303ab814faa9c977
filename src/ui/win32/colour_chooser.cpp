#include "ui/win32/colour_chooser.h"

#include <commdlg.h>

namespace mirevo::win32 {

std::optional<COLORREF> Win32ColourChooser::Choose(HWND owner, COLORREF initial) {
  CHOOSECOLORW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.rgbResult = initial;
  request.lpCustColors = custom_;
  request.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorW(&request)) return std::nullopt;
  return request.rgbResult;
}

}  // namespace mirevo::win32
