// The life of the program: refuse a second copy, then run the main window
// until it ends.
#pragma once

#include <string_view>

#include "ui/win32/ui_services.h"

namespace mirevo::ui {

// instanceName names the single-instance mutex (the application's name).
// Returns the process exit code.
int RunProgram(std::string_view instanceName, win32::UiServices& services);

}  // namespace mirevo::ui
