// The preview popup on the main window: a click on a work in the list shows
// its picture beside the window (when the "preview" setting is on), the
// popup follows the window when it moves, and it goes with the window.
#pragma once

#include <windows.h>

#include <memory>

#include "app/main_list.h"
#include "store/app_settings.h"
#include "ui/controls/preview_popup.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"

namespace mirevo::ui {

class PreviewFeature final : public MainWindowFeature {
 public:
  PreviewFeature(MainWindow& window, const AppSettings& settings, const MainList& list)
      : window_(window), settings_(settings), list_(list) {}

  // The list's clicks, the window's moves (after the docking has had them:
  // a popup hidden by docking still moves along) and its end.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Destroys the popup; the next click that shows a picture makes it anew.
  void Close() { popup_.reset(); }
  void Hide();
  void SetTransparency(int level);

  // The popup, nullptr before the first picture or after Close.
  PreviewPopup* Popup() const { return popup_.get(); }

 private:
  void OnListClick();
  // Where the popup goes for a row: beside the window, level with the row.
  POINT PlaceFor(int row) const;

  MainWindow& window_;
  const AppSettings& settings_;
  const MainList& list_;
  std::unique_ptr<PreviewPopup> popup_;
};

}  // namespace mirevo::ui
