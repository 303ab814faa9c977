// The main window as the applying of settings sees it.
#pragma once

namespace mirevo {

// What applying the settings asks of the main window beside refilling its
// list: the window's own state and the preview popup.
class WindowSettingsTarget {
 public:
  virtual ~WindowSettingsTarget() = default;
  virtual void SetTopmost(bool topmost) = 0;
  // The window and, when it exists, the preview popup.
  virtual void SetTransparency(int level) = 0;
  // Closes and forgets the preview popup, if it exists.
  virtual void ClosePreviewPopup() = 0;
  // The edge step in its initial mode: a window hidden at an edge comes back.
  virtual void RunInitialEdgeStep() = 0;
};

}  // namespace mirevo
