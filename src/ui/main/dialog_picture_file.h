// The file-open dialog in which the user picks a preview picture.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace mirevo::ui {

// Shows the system's file-open dialog for BMP, JPEG and GIF files, owned by
// owner. Returns the chosen full path, or nullopt when the user cancelled.
// The process's current directory is left as it was: the data and settings
// files are opened by relative paths.
std::optional<std::wstring> AskPictureFile(HWND owner);

}  // namespace mirevo::ui
