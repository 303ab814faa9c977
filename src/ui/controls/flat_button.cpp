#include "ui/controls/flat_button.h"

#include <string>

#include "look/dpi.h"
#include "ui/win32/control_text.h"
#include "ui/win32/gdi.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::ui {
namespace {

// The text's rectangle when word-wrapped into area, centred vertically.
RECT CentredText(HDC dc, const std::wstring& text, const RECT& area, UINT format) {
  RECT measured = area;
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  RECT placed = area;
  placed.top = area.top + (area.bottom - area.top - height) / 2;
  placed.bottom = placed.top + height;
  return placed;
}

}  // namespace

FlatButton::FlatButton() : colours_(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT)) {}

bool FlatButton::Attach(HWND button) {
  if (!Control::Attach(button)) return false;
  // Through the style message, which this wrapper turns into owner-draw
  // and which tells it whether the button is the default one.
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(button, GWL_STYLE));
  ::SendMessageW(button, BM_SETSTYLE, style & BS_TYPEMASK, TRUE);
  return true;
}

void FlatButton::ApplyDialogOpeningLook() {
  mirevo::ApplyDialogOpeningLook(colours_);
  rounded_ = true;
  Repaint();
}

void FlatButton::ShowChosenColour(Colour colour) {
  const FlatButtonColours before = colours_;
  mirevo::ShowChosenColour(colours_, colour);
  if (colours_ != before) Repaint();
}

void FlatButton::Repaint() const {
  if (Hwnd() != nullptr) ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

std::optional<LRESULT> FlatButton::OnReflected(UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  if (message != WM_DRAWITEM) return std::nullopt;
  Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

std::optional<LRESULT> FlatButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BM_SETSTYLE:
      // The dialog manager moves the default-button style from button to
      // button; note it, but stay owner-drawn.
      default_ = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      return CallDefault(message, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW,
                         lParam);
    case WM_GETDLGCODE:
      return CallDefault(message, wParam, lParam) |
             (default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button would report a double click instead of a
      // second press.
      return CallDefault(WM_LBUTTONDOWN, wParam, lParam);
    case WM_MOUSEMOVE: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      TrackHover(wParam);
      return result;
    }
    case WM_MOUSELEAVE:
      LeaveHover();
      return CallDefault(message, wParam, lParam);
    case WM_KILLFOCUS:
    case WM_CANCELMODE: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      LeaveHover();
      return result;
    }
    case WM_ENABLE: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      if (!wParam) {
        LeaveHover();
        MoveFocusOn();
      }
      return result;
    }
    default:
      return std::nullopt;
  }
}

void FlatButton::TrackHover(WPARAM keys) {
  if ((keys & MK_LBUTTON) != 0 && !hovering_) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  if (::WindowFromPoint(cursor) != Hwnd()) {
    LeaveHover();
    return;
  }
  if (hovering_) return;
  hovering_ = true;
  Repaint();
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Hwnd(), 0};
  ::TrackMouseEvent(&track);
}

void FlatButton::LeaveHover() {
  if (!hovering_) return;
  hovering_ = false;
  Repaint();
}

void FlatButton::MoveFocusOn() {
  // A disabled button cannot keep the keyboard; the next tab stop takes
  // it, whether or not this button had it.
  HWND parent = ::GetParent(Hwnd());
  HWND next = ::GetNextDlgTabItem(parent, Hwnd(), FALSE);
  ::SetFocus(next != nullptr && next != Hwnd() ? next : parent);
}

void FlatButton::Draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  // The program's buttons have no check-box mode and no menu: pressed is
  // the selected state.
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool lit = hovering_ || pressed;
  const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
  const FlatButtonPaintSlots slots = PaintSlotsFor(lit, focused);

  if (lit && rounded_) {
    // The corners outside the rounded face keep the normal background.
    win32::FillSolid(dc, rect, colours_.At(kNormalBackgroundSlot));
    win32::BrushHandle face(::CreateSolidBrush(colours_.At(slots.fill)));
    win32::SelectionScope brush(dc, face.get());
    win32::SelectionScope pen(dc, ::GetStockObject(BLACK_PEN));
    const int corner = ScaleForDpi(kFlatButtonCornerEllipse, dpi);
    ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, corner, corner);
  } else {
    win32::FillSolid(dc, rect, colours_.At(slots.fill));
    if (lit) {
      RECT border = rect;
      ::DrawEdge(dc, &border, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
  }

  DrawLabel(dc, rect, pressed, disabled, colours_.At(slots.text), dpi);
}

void FlatButton::DrawLabel(HDC dc, RECT area, bool pressed, bool disabled, COLORREF colour,
                           int dpi) const {
  const std::wstring text = win32::ReadWideText(Hwnd());
  if (text.empty()) return;
  auto font = reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
  win32::SelectionScope selected(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_CENTER | DT_WORDBREAK;
  RECT placed = CentredText(dc, text, area, format);
  if (pressed) {
    const int shift = ScaleForDpi(kFlatButtonPressedTextShift, dpi);
    ::OffsetRect(&placed, shift, shift);
  }
  const int length = static_cast<int>(text.size());
  if (disabled) {
    // Embossed: a light copy one pixel down and right under the shadow.
    RECT light = placed;
    ::OffsetRect(&light, 1, 1);
    ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
    ::DrawTextW(dc, text.c_str(), length, &light, format);
    ::SetTextColor(dc, ::GetSysColor(COLOR_3DSHADOW));
  } else {
    ::SetTextColor(dc, colour);
  }
  ::DrawTextW(dc, text.c_str(), length, &placed, format);
}

}  // namespace mirevo::ui
