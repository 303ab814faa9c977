#include "ui/shell/window_behaviour.h"

namespace mirevo::ui {

void WindowBehaviour::OnStarted(MainWindow& window) {
  const AppSettings& settings = window.Controller().session.Settings();
  const WindowPlacement& pos = settings.windowPlacement;
  HWND hwnd = window.Hwnd();
  ::MoveWindow(hwnd, pos[0], pos[1], pos[2], pos[3], TRUE);
  if (settings.topShow == 1) {
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  if (settings.maxSign == 1) ::ShowWindow(hwnd, SW_SHOWMAXIMIZED);
}

}  // namespace mirevo::ui
