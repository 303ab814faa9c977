// The program's own module: its instance, its name and its resources.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/win32/unique_handle.h"

namespace mirevo::win32 {

// The instance of the executable (resources are linked into it).
HINSTANCE AppInstance();

// The base name of the executable without its extension ("Mirevo" for the
// shipped program), as GBK. The program's name in captions and the name of
// its single-instance mutex.
std::string ApplicationName();

// Registers the common-control classes the dialogs use (list view, tab,
// date-time picker, up-down). Call once before the first dialog; repeating
// is harmless.
bool InitCommonControlsForApp();

// A string resource as GBK; empty when it does not exist.
std::string LoadStringGbk(UINT id);

// An icon resource at the given square size in pixels (0: the system's
// default size); owned by the caller.
IconHandle LoadIconResource(int id, int size);

// The bytes of a custom resource (for example type "IMAGE"); they stay
// valid for the life of the module. nullopt when it does not exist.
std::optional<std::string_view> LoadResourceBytes(const wchar_t* type, int id);

}  // namespace mirevo::win32
