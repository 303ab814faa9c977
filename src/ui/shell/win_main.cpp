// The entry point of Mirevo.exe.
#include <windows.h>

#include "ui/shell/program.h"
#include "ui/win32/module.h"
#include "ui/win32/ui_services.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  return mirevo::ui::RunProgram(mirevo::win32::ApplicationName(),
                                mirevo::win32::DefaultUiServices());
}
