// Menus from resources and the operations the program does on them, with
// item texts as GBK.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/win32/unique_handle.h"

namespace mirevo::win32 {

void EnableCommand(HMENU menu, UINT command, bool enabled);
void CheckCommand(HMENU menu, UINT command, bool checked);

bool AppendCommand(HMENU menu, UINT command, std::string_view gbkText);
bool AppendSeparator(HMENU menu);

// Shows a pop-up menu at a screen point and returns the chosen command
// without sending it (0 when the user chose nothing). Right-button clicks
// choose items too.
UINT TrackPopupForCommand(HMENU popup, HWND owner, POINT screenPoint);

}  // namespace mirevo::win32
