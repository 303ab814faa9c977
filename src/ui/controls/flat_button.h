// A push button drawn flat: the face colour without a border until the
// mouse is over it or it is pressed, then a lighter face in a rounded
// rectangle with a thin black outline. The button stays owner-drawn even
// when the dialog manager changes its default-button style, and it still
// answers the dialog manager as the push button it was, so Enter and the
// default button work as before.
#pragma once

#include <windows.h>

#include "look/flat_button_colours.h"
#include "ui/win32/control.h"

namespace mirevo::ui {

class FlatButton final : public win32::Control {
 public:
  // The slots start as the system's button face and text.
  FlatButton();
  ~FlatButton() override { Detach(); }

  // Wraps a push button and makes it owner-drawn; false when it cannot be
  // wrapped.
  bool Attach(HWND button);

  // What every dialog does to its buttons on opening: a lighter hover
  // face, and hover and pressed backgrounds as rounded rectangles.
  void ApplyDialogOpeningLook();
  // A colour button: the colour as its text, and under the mouse as its
  // face with the complement as text. Repainted only when that changes
  // what it shows.
  void ShowChosenColour(Colour colour);

  bool Rounded() const { return rounded_; }

  // WM_DRAWITEM.
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Draw(const DRAWITEMSTRUCT& item) const;
  void DrawLabel(HDC dc, RECT area, bool pressed, bool disabled, COLORREF colour, int dpi) const;
  void TrackHover(WPARAM keys);
  void LeaveHover();
  void MoveFocusOn();
  void Repaint() const;

  FlatButtonColours colours_;
  bool rounded_ = false;
  bool hovering_ = false;
  bool default_ = false;
};

}  // namespace mirevo::ui
