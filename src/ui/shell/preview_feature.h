// The preview popup on the main window: a click on a work in the list shows
// its picture beside the window (when the "preview" setting is on), the
// popup follows the window when it moves, and it goes with the window. It
// hooks the main window's procedure for the list's clicks and the moves.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/controls/preview_popup.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/win32/window_subclass.h"

namespace mirevo::ui {

class PreviewFeature final : public MainWindowFeature, private win32::WindowSubclass {
 public:
  void OnCreated(MainWindow& window) override;

  // Destroys the popup; the next click that shows a picture makes it anew.
  void Close() { popup_.reset(); }
  void Hide();
  void SetTransparency(int level);

  // The popup, nullptr before the first picture or after Close.
  PreviewPopup* Popup() const { return popup_.get(); }

 private:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnListClick();
  // Where the popup goes for a row: beside the window, level with the row.
  POINT PlaceFor(int row) const;

  MainWindow* window_ = nullptr;
  std::unique_ptr<PreviewPopup> popup_;
};

}  // namespace mirevo::ui
