#include "ui/shell/single_instance.h"

#include <windows.h>

#include "ui/win32/wide_text.h"

namespace mirevo::ui {

SingleInstance::SingleInstance(std::string_view name) {
  const std::wstring wideName = win32::WideFromGbk(name);
  mutex_.reset(::CreateMutexW(nullptr, TRUE, wideName.c_str()));
  const DWORD error = ::GetLastError();
  // A mutex that could not be made at all (a name taken by another kind of
  // object) cannot tell whether a copy runs; the program runs rather than
  // refuse forever.
  first_ = !mutex_ || error != ERROR_ALREADY_EXISTS;
}

}  // namespace mirevo::ui
