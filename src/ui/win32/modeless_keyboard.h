// Keyboard navigation (Tab, arrows, Enter, Escape, mnemonics) for modeless
// dialogs. Windows gives it only to the window whose message loop calls
// IsDialogMessage for it; the program's loop is the main window's modal
// DialogBox loop, which does so only for the main window. The framework
// therefore registers every modeless Dialog while it exists and offers its
// keyboard messages to it:
//  - inside a DialogBox loop (and menus, message boxes) through a
//    WH_MSGFILTER hook of the UI thread, installed with the first modeless
//    dialog;
//  - in a loop of one's own by calling RouteToModelessDialog(msg) before
//    TranslateMessage/DispatchMessage.
#pragma once

#include <windows.h>

namespace mirevo::win32 {

// True when msg was a dialog message of a registered modeless dialog and has
// been handled; the loop must then not dispatch it.
bool RouteToModelessDialog(MSG& msg);

// Called by Dialog for its modeless windows.
void RegisterModelessDialog(HWND dialog);
void UnregisterModelessDialog(HWND dialog);

}  // namespace mirevo::win32
