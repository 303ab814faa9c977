#include "ui/win32/screen_metrics.h"

#include "ui/win32/gdi.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::win32 {
namespace {

// The screen's device context for one measurement.
class ScreenDc {
 public:
  ScreenDc() : dc_(::GetDC(nullptr)) {}
  ~ScreenDc() { ::ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

int ScreenDpi() {
  ScreenDc screen;
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

SIZE DialogUnitsToPixels(const wchar_t* face, int points, SIZE units) {
  ScreenDc screen;
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  FontHandle font(::CreateFontW(-::MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH, face));
  SelectionScope selected(screen.get(), font.get());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  // The dialog manager's average width: the 52 Latin letters, rounded.
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE letters{};
  ::GetTextExtentPoint32W(screen.get(), kLetters, 52, &letters);
  const int baseX = (letters.cx / 26 + 1) / 2;
  const int baseY = metrics.tmHeight;
  return {::MulDiv(units.cx, baseX, 4), ::MulDiv(units.cy, baseY, 8)};
}

}  // namespace mirevo::win32
