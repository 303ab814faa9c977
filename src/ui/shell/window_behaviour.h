// How the main window sits on the screen: where it opens, whether it stays
// on top, and whether it opens maximised.
#pragma once

#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"

namespace mirevo::ui {

class WindowBehaviour final : public MainWindowFeature {
 public:
  void OnStarted(MainWindow& window) override;
};

}  // namespace mirevo::ui
