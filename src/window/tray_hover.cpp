#include "window/tray_hover.h"

namespace mirevo {

TrayAction TrayHover::HandleTrayEvent(unsigned mouseMessage, bool mainWindowVisible) {
  switch (mouseMessage) {
    case kTrayRightUp:
      return TrayAction::kShowMenu;
    case kTrayLeftDoubleClick:
      return TrayAction::kOpenMainWindow;
    case kTrayMouseMove:
      // The summary is for someone who cannot see the window; shown once,
      // since the icon reports a move for every pixel.
      if (hoverSwitch_ && !hoverLatch_ && !mainWindowVisible) {
        hoverLatch_ = true;
        return TrayAction::kShowDueSummary;
      }
      return TrayAction::kNone;
    default:
      return TrayAction::kNone;
  }
}

void TrayHover::AfterTrayEvent(unsigned mouseMessage) {
  switch (mouseMessage) {
    case kTrayRightDown:
      hoverLatch_ = true;
      break;
    case kTrayRightUp:
    case kTrayBalloonTimedOut:
    case kTrayBalloonClicked:
      hoverLatch_ = false;
      break;
    default:
      break;
  }
}

}  // namespace mirevo
