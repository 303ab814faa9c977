// A wrapper of one control (a button, a static, the list view) that owns how
// the control draws and answers. Windows sends the messages about a
// control's drawing and colours to the control's parent (WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR..., WM_NOTIFY); the parent, a Dialog or a
// Window, hands each one back to the wrapper of the control it is about,
// found through the wrapper's subclass. So a control's drawing lives with
// the control, and no parent forwards it by hand.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/win32/window_subclass.h"

namespace mirevo::win32 {

class Control : public WindowSubclass {
 public:
  ~Control() override;

  // Wraps the control; one wrapper per control.
  bool Attach(HWND control);

  // The wrapper of a control, or nullptr when it has none.
  static Control* FromHandle(HWND control);

  // A message the control sent its parent about itself. Return a value to
  // answer it for the parent, nullopt to leave it to the parent's handling.
  virtual std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // By default the control's own messages pass on unchanged.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDetached(HWND control) override;
};

// Hands a message that the parent received back to the wrapper of the
// control it is about; nullopt when it is not such a message, the control
// has no wrapper, or the wrapper left it to the parent. Menu items drawn by
// the program go to their menu (owner_drawn_menu.h).
std::optional<LRESULT> ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace mirevo::win32
