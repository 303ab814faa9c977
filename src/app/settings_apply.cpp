#include "app/settings_apply.h"

namespace mirevo {

bool ApplySettings(const AppSettings& copy, AppSettings& current, WindowSettingsTarget& target) {
  bool refill = false;

  // A new due threshold colours rows differently.
  if (copy.accuracy != current.accuracy) {
    current.accuracy = copy.accuracy;
    refill = true;
  }
  if (copy.preview != current.preview) {
    current.preview = copy.preview;
    // Made anew when next needed.
    if (current.preview == 0) target.ClosePreviewPopup();
  }
  if (copy.alpha != current.alpha) {
    current.alpha = copy.alpha;
    target.SetTransparency(current.SafeAlpha());
  }
  if (copy.allowTrayBalloonTip != current.allowTrayBalloonTip) {
    current.allowTrayBalloonTip = copy.allowTrayBalloonTip;
    target.SetTrayHoverSwitch(current.allowTrayBalloonTip == 1);
  }
  // Read only when a summary is built; the list does not show it.
  current.tipShowType = copy.tipShowType;
  if (copy.topShow != current.topShow) {
    current.topShow = copy.topShow;
    target.SetTopmost(current.topShow == 1);
  }
  // Any remembered tab becomes 0: the tab shown at the next save replaces it.
  current.defaultType = copy.defaultType == kNoRememberedTab ? kNoRememberedTab : 0;
  current.autoHide = copy.autoHide;
  // Without edge hiding a window hidden at the edge would never come back.
  if (current.autoHide != 1) target.RunInitialEdgeStep();
  current.aniWin = copy.aniWin;
  if (copy.reminders != current.reminders) {
    current.reminders = copy.reminders;
    refill = true;
  }
  current.searchSource = copy.searchSource;
  current.searchEncode = copy.searchEncode;
  current.searchPrefix = copy.searchPrefix;
  current.searchPostfix = copy.searchPostfix;
  return refill;
}

}  // namespace mirevo
