// Binds a C++ object to an existing window (a control of a dialog, or the
// dialog itself) through comctl32's window subclassing, so that the object
// sees the window's messages before its own window procedure does. The base
// of the program's custom controls (flat buttons, picture boxes, links) and
// of hooks on the main window's procedure.
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
  // Stops receiving them; the window keeps running with its own procedure.
  // Done by itself when the window is destroyed.
  void Detach();

  HWND Hwnd() const { return hwnd_; }

 protected:
  // Return a value to answer the message, nullopt to pass it on to the
  // window's own procedure. Call CallDefault to run that procedure first
  // and then add to what it did.
  virtual std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

  HWND hwnd_ = nullptr;
};

}  // namespace mirevo::win32
