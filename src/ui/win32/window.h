// The base of a plain window of the program's own (not made from a dialog
// template): registers its window class once, binds the object to the
// window from WM_NCCREATE to WM_NCDESTROY and dispatches its messages to a
// virtual handler. Messages about a wrapped control go to the wrapper first,
// as in a Dialog.
//
//   class Popup : public win32::Window { ... HandleMessage ... };
//   Popup popup;
//   popup.Create(L"MirevoPopup", WS_POPUP, 0, owner, {0, 0, 200, 150});
#pragma once

#include <windows.h>

#include <optional>

namespace mirevo::win32 {

class Window {
 public:
  Window() = default;
  virtual ~Window();  // destroys the window if it still exists

  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creates the window with a class of that name (registered on first use,
  // with an arrow cursor and no background brush). False when it could not
  // be created or already exists.
  bool Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND owner, const RECT& rect);
  void Destroy();

  HWND Hwnd() const { return hwnd_; }

 protected:
  // Every message of the bound window. Return a value to answer it, nullopt
  // for DefWindowProc.
  virtual std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace mirevo::win32
