#include "ui/controls/preview_popup.h"

#include "look/popup_placement.h"
#include "ui/win32/module.h"
#include "ui/win32/screen_metrics.h"

namespace mirevo::ui {

bool PreviewPopup::Create(HWND owner) {
  const Size size = PreviewPopupSize(win32::ScreenDpi());
  if (!Window::Create(L"MirevoPreviewPopup", WS_POPUP, 0, owner, {0, 0, size.width, size.height}))
    return false;
  // A plain static: it lets hit tests through to the popup, which turns
  // them into dragging.
  HWND box =
      ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 0, 0, size.width,
                        size.height, Hwnd(), nullptr, win32::AppInstance(), nullptr);
  if (box == nullptr || !box_.Attach(box)) {
    Destroy();
    return false;
  }
  return true;
}

bool PreviewPopup::ShowPicture(std::string_view gbkPath, POINT topLeft, int transparency) {
  if (Hwnd() == nullptr) return false;
  if (box_.LoadFile(gbkPath) != PictureLoad::kLoaded) {
    Hide();
    return false;
  }
  MoveTo(topLeft);
  SetTransparency(transparency);
  ::ShowWindow(Hwnd(), ::IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOWNOACTIVATE);
  return true;
}

void PreviewPopup::MoveTo(POINT topLeft) {
  ::SetWindowPos(Hwnd(), nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PreviewPopup::SetTransparency(int level) {
  if (Hwnd() != nullptr) layered_.Apply(Hwnd(), level);
}

void PreviewPopup::Hide() {
  if (Hwnd() != nullptr) ::ShowWindow(Hwnd(), SW_HIDE);
}

bool PreviewPopup::Visible() const {
  return Hwnd() != nullptr && ::IsWindowVisible(Hwnd()) != FALSE;
}

std::optional<LRESULT> PreviewPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NCHITTEST) return std::nullopt;
  // Anywhere on the picture drags the popup like a caption would.
  const LRESULT hit = ::DefWindowProcW(Hwnd(), message, wParam, lParam);
  return hit == HTCLIENT ? HTCAPTION : hit;
}

}  // namespace mirevo::ui
