#include "ui/controls/static_link.h"

#include "ui/win32/control_text.h"
#include "ui/win32/module.h"

namespace mirevo::ui {
namespace {

// One hand cursor for the process, looked for once; a shared system
// cursor, never destroyed.
HCURSOR HandCursor() {
  static const HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
  return hand;
}

}  // namespace

void StaticLink::OnDetached(HWND control) {
  timer_.Stop();
  Control::OnDetached(control);
}

std::optional<LRESULT> StaticLink::OnReflected(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  if (message != WM_CTLCOLORSTATIC) return std::nullopt;
  const auto style = static_cast<std::uint32_t>(::GetWindowLongPtrW(Hwnd(), GWL_STYLE));
  // Icons and frames keep their own colours.
  if (!IsLinkTextStyle(style)) return std::nullopt;
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (!font_) {
    // A copy of the font the static reports, made on its first paint.
    auto shown = reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (shown != nullptr && ::GetObjectW(shown, sizeof description, &description) != 0)
      font_.reset(::CreateFontIndirectW(&description));
  }
  if (font_) ::SelectObject(dc, font_.get());
  ::SetTextColor(dc, colours_.colour());
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH));
}

std::optional<LRESULT> StaticLink::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  switch (message) {
    case WM_NCHITTEST:
      // A plain static lets the mouse through to the dialog.
      Carry(colours_.MouseOver());
      return HTCLIENT;
    case WM_TIMER:
      if (wParam != kLinkTimerId) return std::nullopt;
      Carry(colours_.TimerFired(MouseInside()));
      return 0;
    case WM_LBUTTONDOWN:
      Open();
      return 0;
    case WM_SETCURSOR:
      if (HCURSOR hand = HandCursor()) {
        ::SetCursor(hand);
        return TRUE;
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool StaticLink::MouseInside() const {
  const DWORD position = ::GetMessagePos();
  POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ::ScreenToClient(Hwnd(), &point);
  RECT client{};
  ::GetClientRect(Hwnd(), &client);
  return ::PtInRect(&client, point) != FALSE;
}

void StaticLink::Open() {
  const std::string target =
      LinkTarget(win32::LoadStringGbk(static_cast<UINT>(::GetDlgCtrlID(Hwnd()))),
                 win32::ReadText(Hwnd()).value_or(""));
  if (target.empty()) return;
  Carry(colours_.OpenFinished(shell_.OpenLink(::GetParent(Hwnd()), target)));
}

void StaticLink::Carry(const LinkActions& actions) {
  if (actions.startTimer) timer_.Start(Hwnd(), kLinkTimerPeriodMs);
  if (actions.stopTimer) timer_.Stop();
  if (actions.repaint || actions.repaintBelow) {
    // The text is drawn on a hollow brush: the dialog paints the ground
    // under it first, or the old colour would show around the new one.
    HWND parent = ::GetParent(Hwnd());
    RECT area{};
    ::GetWindowRect(Hwnd(), &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    if (actions.repaintBelow) area.bottom += kLinkRepaintBelow;
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  if (actions.beep) ::MessageBeep(0);
}

}  // namespace mirevo::ui
