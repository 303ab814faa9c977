// One copy of the program at a time: a named mutex that the first copy
// creates and holds until its process ends.
#pragma once

#include <string_view>

#include "ui/win32/unique_handle.h"

namespace mirevo::ui {

inline constexpr char kAlreadyRunning[] = "程序已在运行中!";

class SingleInstance {
 public:
  // Creates (or opens) the mutex named name (GBK).
  explicit SingleInstance(std::string_view name);

  // False when another process created the mutex first: this copy must
  // end without touching anything.
  bool IsFirst() const { return first_; }

 private:
  // Kept open for the life of the process; the system releases it when the
  // process ends, however it ends.
  win32::UniqueHandle<win32::KernelHandleTraits> mutex_;
  bool first_ = false;
};

}  // namespace mirevo::ui
