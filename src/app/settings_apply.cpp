#include "app/settings_apply.h"

namespace mirevo {

bool ApplySettings(const AppSettings& edited, AppSettings& current, WindowSettingsTarget& target) {
  bool refill = false;

  // A new due threshold colours rows differently.
  if (edited.dueByDay != current.dueByDay) {
    current.dueByDay = edited.dueByDay;
    refill = true;
  }
  if (edited.previewOn != current.previewOn) {
    current.previewOn = edited.previewOn;
    // Made anew when next needed.
    if (!current.previewOn.On()) target.ClosePreviewPopup();
  }
  if (edited.transparency != current.transparency) {
    current.transparency = edited.transparency;
    target.SetTransparency(current.TransparencyLevel());
  }
  // The tray's hover reads it when the mouse comes.
  current.trayBalloons = edited.trayBalloons;
  // Read only when a summary is built; the list does not show it.
  current.summarySections = edited.summarySections;
  if (edited.topmost != current.topmost) {
    current.topmost = edited.topmost;
    target.SetTopmost(current.topmost.On());
  }
  // Any remembered tab becomes 0: the tab shown at the next save replaces it.
  current.rememberedTab = edited.rememberedTab == kNoRememberedTab ? kNoRememberedTab : 0;
  current.autoHide = edited.autoHide;
  // Without edge hiding a window hidden at the edge would never come back.
  if (!current.autoHide.On()) target.RunInitialEdgeStep();
  current.slideWhenHiding = edited.slideWhenHiding;
  if (edited.reminders != current.reminders) {
    current.reminders = edited.reminders;
    refill = true;
  }
  current.searchSource = edited.searchSource;
  current.searchEncoding = edited.searchEncoding;
  current.searchPrefix = edited.searchPrefix;
  current.searchPostfix = edited.searchPostfix;
  return refill;
}

}  // namespace mirevo
