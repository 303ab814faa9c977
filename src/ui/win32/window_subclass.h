// Binds a C++ object to an existing window (a control of a dialog, or a
// top-level window we do not own) through comctl32's window subclassing, so
// that the object sees the window's messages before its own window procedure
// does; it passes one on with CallDefault or by answering nullopt. Hooks of
// several objects on one window chain, the one attached last first, and may
// detach in any order; the window's WM_NCDESTROY detaches them all. The base
// of the program's custom controls (see control.h).
#pragma once

#include <windows.h>

#include <optional>

namespace mirevo::win32 {

class WindowSubclass {
 public:
  WindowSubclass() = default;
  virtual ~WindowSubclass();  // detaches from a window that still exists

  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Starts receiving the window's messages. One window per object; false
  // when already attached or the window does not exist.
  bool Attach(HWND window);
  // Stops receiving them; the hooks attached before this one, and the
  // window's own procedure, go on as before.
  void Detach();

  HWND Hwnd() const { return hwnd_; }

 protected:
  // Return a value to answer the message, nullopt to pass it on to the next
  // hook or the window's own procedure. Call CallDefault to run those first
  // and then add to what they did.
  virtual std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

  // Called when the object has let go of window (by Detach, or because the
  // window is being destroyed). Not called from the base destructor: a
  // derived class that overrides it detaches in its own destructor.
  virtual void OnDetached(HWND /*window*/) {}

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

  HWND hwnd_ = nullptr;
};

}  // namespace mirevo::win32
