// No C++ exception may unwind through a window procedure: Win32 would carry
// it through foreign stack frames. Every procedure of the framework catches
// at its boundary and reports what it caught here.
#pragma once

#include <functional>
#include <string_view>

namespace mirevo::win32 {

// Receives the what() text of an exception caught at a window-procedure
// boundary (or "unknown exception"). The default writes it to the debugger
// output; tests install a recorder. Passing an empty function restores the
// default.
using CallbackErrorHandler = std::function<void(std::string_view what)>;
void SetCallbackErrorHandler(CallbackErrorHandler handler);

// Called by the framework's window procedures; reports the exception that is
// currently being handled. Use only inside a catch block.
void ReportCurrentException() noexcept;

}  // namespace mirevo::win32
