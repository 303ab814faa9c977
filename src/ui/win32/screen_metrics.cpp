#include "ui/win32/screen_metrics.h"

#include <windows.h>

#include "ui/win32/gdi.h"

namespace mirevo::win32 {

int ScreenDpi() {
  const ClientDc screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace mirevo::win32
