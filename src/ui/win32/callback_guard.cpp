#include "ui/win32/callback_guard.h"

#include <windows.h>

#include <exception>
#include <string>
#include <utility>

namespace mirevo::win32 {
namespace {

CallbackErrorHandler& Handler() {
  static CallbackErrorHandler handler;
  return handler;
}

void DefaultReport(std::string_view what) {
  std::string line = "Mirevo: exception in a window procedure: ";
  line.append(what);
  line.push_back('\n');
  ::OutputDebugStringA(line.c_str());
}

}  // namespace

void SetCallbackErrorHandler(CallbackErrorHandler handler) {
  Handler() = std::move(handler);
}

void ReportCurrentException() noexcept {
  try {
    std::string what = "unknown exception";
    try {
      throw;
    } catch (const std::exception& e) {
      what = e.what();
    } catch (...) {
    }
    if (Handler()) {
      Handler()(what);
    } else {
      DefaultReport(what);
    }
  } catch (...) {
    // The reporter itself failed; there is nowhere left to report to.
  }
}

}  // namespace mirevo::win32
