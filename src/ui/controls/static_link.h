// A static text turned into a hyperlink: blue text, red under the mouse,
// purple once opened, a hand cursor, and the shell's "open" on a click.
// A static gets no mouse-leave of its own, so a 100 ms timer watches for the
// mouse going away.
#pragma once

#include <windows.h>

#include "look/link_colours.h"
#include "ui/win32/control.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/unique_handle.h"
#include "ui/win32/window_timer.h"

namespace mirevo::ui {

class StaticLink final : public win32::Control {
 public:
  // A click opens the string resource with the control's id, else the
  // control's text.
  explicit StaticLink(win32::ShellOpenService& shell) : shell_(shell) {}
  ~StaticLink() override { Detach(); }

  bool TimerRunning() const { return timer_.Running(); }

  // WM_CTLCOLORSTATIC, which the static sends its parent.
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDetached(HWND control) override;

 private:
  void Carry(const LinkActions& actions);
  void Open();
  bool MouseInside() const;

  win32::ShellOpenService& shell_;
  LinkColours colours_;
  win32::FontHandle font_;
  win32::WindowTimer timer_{kLinkTimerId};
};

}  // namespace mirevo::ui
