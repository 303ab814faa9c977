// The preview popup: a small borderless window beside the main window that
// shows the picture of the work clicked in the list. It can be dragged
// anywhere by its picture, and it is as transparent as the main window.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/controls/picture_box.h"
#include "ui/win32/layered_window.h"
#include "ui/win32/window.h"

namespace mirevo::ui {

class PreviewPopup final : public win32::Window {
 public:
  // Creates the popup hidden, owned by owner, at the size the placement
  // beside the window expects (PreviewPopupSize); its picture box fills it.
  // False when it could not be made.
  bool Create(HWND owner);

  // Loads the picture at path; when it loads, moves the popup's upper-left
  // corner to topLeft (screen pixels), gives it the transparency level
  // (0..9) and shows it without taking the activation. When it does not
  // load, the popup is hidden. Returns whether it is shown.
  bool ShowPicture(std::string_view gbkPath, POINT topLeft, int transparency);

  void MoveTo(POINT topLeft);
  void SetTransparency(int level);
  void Hide();
  bool Visible() const;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  PictureBox box_;
  win32::LayeredWindow layered_;
};

}  // namespace mirevo::ui
