// The program assembled: the main window with the features that live on it,
// and the life of the process around it.
#pragma once

#include <string_view>

#include "store/clock.h"
#include "ui/main/main_window.h"
#include "ui/shell/window_behaviour.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class Program {
 public:
  Program(win32::UiServices& services, const Clock& clock);

  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  MainWindow& Window() { return window_; }

 private:
  // The window first: the features are destroyed before it.
  MainWindow window_;
  WindowBehaviour behaviour_;
};

// instanceName names the single-instance mutex (the application's name).
// Refuses a second copy, then runs the main window until it ends. Returns
// the process exit code.
int RunProgram(std::string_view instanceName, win32::UiServices& services);

}  // namespace mirevo::ui
