#include "ui/shell/window_behaviour.h"

#include <vector>

#include "look/dpi.h"
#include "resource.h"
#include "ui/win32/screen_metrics.h"
#include "window/window_placement.h"

namespace mirevo::ui {
namespace {

constexpr UINT kDockTimerMilliseconds = 1500;
// The slide out of sight.
constexpr DWORD kDockSlideMilliseconds = 300;

// Which controls follow the window's right and bottom edges; all other
// controls keep their place.
constexpr std::pair<int, unsigned> kAnchors[] = {
    {IDC_SAVE_EXIT, kAnchorMoveWithRight}, {IDC_SEARCH, kAnchorMoveWithRight},
    {IDC_SETTINGS, kAnchorMoveWithRight},  {IDC_LIST, kAnchorStretchRight | kAnchorStretchBottom},
    {IDC_TABS, kAnchorStretchRight},
};

Rect RectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

Size ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

// The monitors' whole rectangles: a strip docked under a task bar is still
// on screen.
std::vector<Rect> MonitorRects() {
  std::vector<Rect> monitors;
  ::EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM param) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (::GetMonitorInfoW(monitor, &info))
          reinterpret_cast<std::vector<Rect>*>(param)->push_back(RectOf(info.rcMonitor));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

Rect PrimaryWorkArea() {
  RECT area{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return RectOf(area);
}

DWORD SlideDirection(DockEdge edge) {
  switch (edge) {
    case DockEdge::kLeft:
      return AW_HOR_NEGATIVE;
    case DockEdge::kRight:
      return AW_HOR_POSITIVE;
    default:
      return AW_VER_NEGATIVE;
  }
}

// The strip of a hidden window scales with the screen's resolution.
int StripPixels() {
  return ScaleForDpi(kDockStripPixels, win32::ScreenDpi());
}

}  // namespace

void WindowBehaviour::OnCreated() {
  // The layout the dialog was designed with: nothing moves below it.
  layout_.Start(ClientSize(Hwnd()));
}

void WindowBehaviour::OnSettingsRead() {
  SetTransparency(Settings().TransparencyLevel());
}

void WindowBehaviour::OnStarted() {
  docking_ = {};
  PlaceOnScreen();
  if (Settings().topmost.On()) SetTopmost(true);
  RunEdgeStep(EdgeAutoHideMode::kInitial);
  if (Settings().maximised.On()) ::ShowWindow(Hwnd(), SW_SHOWMAXIMIZED);
  dockTimer_.Start(Hwnd(), kDockTimerMilliseconds);
}

void WindowBehaviour::PlaceOnScreen() {
  const Rect place = ChooseOpeningPlacement(Settings().windowRect,
                                            DefaultSettingsForDpi(win32::ScreenDpi()).windowRect,
                                            MonitorRects(), PrimaryWorkArea());
  ::MoveWindow(Hwnd(), place.left, place.top, place.Width(), place.Height(), TRUE);
}

void WindowBehaviour::SetTopmost(bool topmost) {
  ::SetWindowPos(Hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowBehaviour::SetTransparency(int level) {
  layered_.Apply(Hwnd(), level);
}

void WindowBehaviour::RunEdgeStep(EdgeAutoHideMode mode) {
  HWND hwnd = Hwnd();
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  EdgeAutoHideInput input;
  input.state = docking_;
  input.window = RectOf(rect);
  input.screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  input.cursor = {cursor.x, cursor.y};
  input.visible = ::IsWindowVisible(hwnd) != FALSE;
  input.slide = Settings().slideWhenHiding.On();
  input.mode = mode;
  input.stripPixels = StripPixels();
  const EdgeAutoHideResult result = EdgeAutoHide(input);
  // The new state first: moving the window below comes back here as a move,
  // which must find the window docked already.
  docking_ = result.state;
  const bool slide = result.slideTowards != DockEdge::kNone;
  if (slide) {
    ::AnimateWindow(hwnd, kDockSlideMilliseconds,
                    AW_SLIDE | AW_HIDE | SlideDirection(result.slideTowards));
  }
  if (result.moveTo) {
    ::SetWindowPos(hwnd, nullptr, result.moveTo->x, result.moveTo->y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (slide) ::ShowWindow(hwnd, SW_SHOWNA);
  if (result.hidePreview) program_.HidePreview();
}

void WindowBehaviour::LayOut() {
  const SizeChange change = layout_.Resize(ClientSize(Hwnd()));
  if (change == SizeChange{}) return;
  for (const auto& [id, flags] : kAnchors) {
    HWND control = ::GetDlgItem(Hwnd(), id);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    const Rect moved = ApplyAnchors(RectOf(rect), flags, change);
    ::MoveWindow(control, moved.left, moved.top, moved.Width(), moved.Height(), TRUE);
  }
}

void WindowBehaviour::OpenFromTray() {
  if (OpenMainWindowRunsEdgeAutoHide(Settings().autoHide.On(), docking_))
    RunEdgeStep(EdgeAutoHideMode::kInitial);
  ::ShowWindow(Hwnd(), ::IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(Hwnd());
}

std::optional<LRESULT> WindowBehaviour::OnSystemCommand(WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      // To the tray: hidden, so no taskbar button stays behind.
      ::ShowWindow(Hwnd(), SW_HIDE);
      if (Settings().trayBalloons.On()) program_.ShowDueSummary();
      return 0;
    case SC_MAXIMIZE:
      session_.SetMaximised(true);
      return std::nullopt;
    case SC_RESTORE:
      session_.SetMaximised(false);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> WindowBehaviour::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  const bool autoHide = Settings().autoHide.On(), maximised = Settings().maximised.On();
  switch (message) {
    case WM_SYSCOMMAND:
      return OnSystemCommand(wParam);
    case WM_NCLBUTTONDBLCLK:
      // A double click on the caption maximises or restores.
      if (wParam == HTCAPTION) session_.ToggleMaximised();
      return std::nullopt;
    case WM_SIZE:
      LayOut();
      return std::nullopt;
    case WM_MOVE:
      if (MoveRunsEdgeAutoHide(autoHide, maximised)) RunEdgeStep(EdgeAutoHideMode::kAfterMove);
      return std::nullopt;
    case WM_TIMER:
      if (wParam != kDockTimerId) return std::nullopt;
      if (TimerRunsEdgeAutoHide(autoHide, docking_, maximised))
        RunEdgeStep(EdgeAutoHideMode::kTimer);
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace mirevo::ui
