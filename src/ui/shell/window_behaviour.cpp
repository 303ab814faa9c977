#include "ui/shell/window_behaviour.h"

#include "look/dpi.h"
#include "resource.h"
#include "ui/win32/screen_metrics.h"
#include "window/window_placement.h"

namespace mirevo::ui {
namespace {

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

WindowBehaviour::WindowBehaviour(TrayIcon& tray) : tray_(tray) {}

void WindowBehaviour::OnCreated(MainWindow& window) {
  window_ = &window;
  Attach(window.Hwnd());
  // The layout the dialog was designed with: nothing moves below it.
  layout_.Start(ClientSize(window.Hwnd()));
}

void WindowBehaviour::OnStarted(MainWindow& /*window*/) {
  const AppSettings& settings = Settings();
  docking_ = {};
  PlaceOnScreen();
  if (settings.topShow == 1) SetTopmost(true);
  SetTransparency(settings.alpha);
  RunEdgeStep(EdgeAutoHideMode::kInitial);
  if (settings.maxSign == 1) ::ShowWindow(Hwnd(), SW_SHOWMAXIMIZED);
  dockTimer_.Start(Hwnd(), kDockTimerMilliseconds);
}

void WindowBehaviour::PlaceOnScreen() {
  const auto rectOf = [](const WindowPlacement& pos) {
    return PlacementRect{pos[0], pos[1], pos[2], pos[3]};
  };
  const std::vector<Rect> monitors = MonitorRects();
  const PlacementRect place = ChooseOpeningPlacement(
      rectOf(Settings().windowPlacement),
      rectOf(DefaultSettingsForDpi(win32::ScreenDpi()).windowPlacement), monitors, PrimaryWorkArea());
  ::MoveWindow(Hwnd(), place.left, place.top, place.width, place.height, TRUE);
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
  input.aniWin = Settings().aniWin;
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
  if (result.hidePreview && hidePreview_) hidePreview_();
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
  if (OpenMainWindowRunsEdgeAutoHide(Settings().autoHide, docking_))
    RunEdgeStep(EdgeAutoHideMode::kInitial);
  ::ShowWindow(Hwnd(), ::IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(Hwnd());
}

std::optional<LRESULT> WindowBehaviour::OnSystemCommand(WPARAM command) {
  AppSettings& settings = Settings();
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      // To the tray: hidden, so no taskbar button stays behind.
      ::ShowWindow(Hwnd(), SW_HIDE);
      if (settings.allowTrayBalloonTip == 1) tray_.ShowDueSummary();
      return 0;
    case SC_MAXIMIZE:
      settings.maxSign = 1;
      return std::nullopt;
    case SC_RESTORE:
      settings.maxSign = 0;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> WindowBehaviour::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      return OnSystemCommand(wParam);
    case WM_NCLBUTTONDBLCLK:
      // A double click on the caption maximises or restores.
      if (wParam == HTCAPTION) Settings().maxSign = Settings().maxSign == 1 ? 0 : 1;
      return std::nullopt;
    case WM_SIZE: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      LayOut();
      return result;
    }
    case WM_MOVE: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      if (MoveRunsEdgeAutoHide(Settings().autoHide, Settings().maxSign))
        RunEdgeStep(EdgeAutoHideMode::kAfterMove);
      return result;
    }
    case WM_TIMER:
      if (wParam != kDockTimerId) return std::nullopt;
      if (TimerRunsEdgeAutoHide(Settings().autoHide, docking_, Settings().maxSign))
        RunEdgeStep(EdgeAutoHideMode::kTimer);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) != ID_TRAY_OPEN) return std::nullopt;
      OpenFromTray();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace mirevo::ui
