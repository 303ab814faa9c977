// What the tray icon's mouse events mean: the menu on a right click, the main
// window on a double click, and the due summary once when the mouse passes
// over the icon while the window is hidden.
#pragma once

namespace mirevo {

// The mouse and balloon notifications that arrive as the callback message's
// second parameter (the window code has the names from windows.h).
inline constexpr unsigned kTrayMouseMove = 0x0200;        // WM_MOUSEMOVE
inline constexpr unsigned kTrayLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr unsigned kTrayRightDown = 0x0204;        // WM_RBUTTONDOWN, 516
inline constexpr unsigned kTrayRightUp = 0x0205;          // WM_RBUTTONUP, 517
inline constexpr unsigned kTrayBalloonTimedOut = 0x0404;  // NIN_BALLOONTIMEOUT, 1028
inline constexpr unsigned kTrayBalloonClicked = 0x0405;   // NIN_BALLOONUSERCLICK, 1029

enum class TrayAction {
  kNone,
  // Read the cursor position, bring the main window to the foreground and
  // track the tray menu's first submenu there (left-aligned, no notify); the
  // chosen command goes to the main window.
  kShowMenu,
  // Send the main window the menu's "显示更新提示" command.
  kShowDueSummary,
  // Bring the main window to the foreground and send it the menu's first
  // command, "打开主窗口".
  kOpenMainWindow,
};

// The hover switch and latch of the tray icon. The icon hands every callback
// to HandleTrayEvent first; then the main window's handler of the callback
// message calls AfterTrayEvent, which is what re-arms the hover.
class TrayHover {
 public:
  // Follows "AllowTrayBTip": hovering may show the summary only when it is 1.
  void SetHoverSwitch(int allowTrayBalloonTip) { hoverSwitch_ = allowTrayBalloonTip == 1; }

  // What a move, double click or right-button release on the icon asks
  // for; a single click and everything else ask for nothing.
  TrayAction HandleTrayEvent(unsigned mouseMessage, bool mainWindowVisible);

  // The right button down blocks the hover, so that no balloon pops up under
  // the menu; its release and the end of a balloon re-arm it.
  void AfterTrayEvent(unsigned mouseMessage);

  bool HoverLatch() const { return hoverLatch_; }

 private:
  bool hoverSwitch_ = true;
  bool hoverLatch_ = false;  // the summary was shown by hovering already
};

}  // namespace mirevo
