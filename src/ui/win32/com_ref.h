// An owning reference to a COM object: Release exactly once, when the
// reference is dropped or replaced.
#pragma once

#include <utility>

namespace mirevo::win32 {

template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { reset(); }

  ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // For functions that hand out a new reference through a T** (the old one
  // is released first).
  T** Receive() {
    reset();
    return &object_;
  }

  void reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }

 private:
  T* object_ = nullptr;
};

}  // namespace mirevo::win32
