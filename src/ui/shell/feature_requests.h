// What a feature of the main window asks of another one. The program's
// assembly answers, so that no feature knows another or sends the window a
// made-up message to reach it.
#pragma once

namespace mirevo::ui {

class FeatureRequests {
 public:
  virtual ~FeatureRequests() = default;

  // The due summary as a balloon at the tray icon.
  virtual void ShowDueSummary() = 0;
  // The window out of the tray (and out from its edge), in front.
  virtual void OpenMainWindow() = 0;
  virtual void OpenAbout() = 0;
  // The preview popup out of sight, if there is one.
  virtual void HidePreview() = 0;
};

}  // namespace mirevo::ui
