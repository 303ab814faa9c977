// Owning wrappers for the Win32 handles the program creates. Each wrapper
// closes its handle the way that kind of handle must be closed, exactly once,
// and can be moved but not copied.
#pragma once

#include <windows.h>

#include <utility>

namespace mirevo::win32 {

// Traits give the handle type, its empty value and how to close it.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }

  // Gives up ownership without closing.
  Handle release() { return std::exchange(handle_, Traits::Empty()); }

  // Closes the current handle (if any) and takes ownership of the new one.
  void reset(Handle handle = Traits::Empty()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Empty()) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Empty();
};

template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};

struct IconTraits {
  using Handle = HICON;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};

struct MenuTraits {
  using Handle = HMENU;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};

// Mutexes, events, threads: handles whose failure value is NULL. (File
// handles use INVALID_HANDLE_VALUE and do not belong here.)
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::CloseHandle(h); }
};

// Files opened with CreateFileW, whose failure value is INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};

// Registry keys opened with RegOpenKeyEx.
struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};

using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
// Only for icons the program created or loaded without LR_SHARED; shared
// icons (LoadIcon, LR_SHARED) must never be destroyed.
using IconHandle = UniqueHandle<IconTraits>;
// Only for menus not attached to a window (a window destroys its own menu).
using MenuHandle = UniqueHandle<MenuTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

}  // namespace mirevo::win32
