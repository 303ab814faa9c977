#include "ui/win32/control.h"

#include <unordered_map>

#include "ui/win32/owner_drawn_menu.h"

namespace mirevo::win32 {
namespace {

// The wrapper of each wrapped control. Controls live on the UI thread.
std::unordered_map<HWND, Control*>& Wrappers() {
  thread_local std::unordered_map<HWND, Control*> wrappers;
  return wrappers;
}

// The control a parent's message is about, or nullptr.
HWND ControlOf(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
      return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
      // Only the id: the control may not even be created yet.
      return ::GetDlgItem(parent, static_cast<int>(wParam));
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}

bool IsMenuItemMessage(UINT message, LPARAM lParam) {
  if (message == WM_DRAWITEM)
    return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_MENU;
  if (message == WM_MEASUREITEM)
    return reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlType == ODT_MENU;
  return message == WM_MENUCHAR;
}

}  // namespace

Control::~Control() {
  Detach();
}

bool Control::Attach(HWND control) {
  if (Wrappers().contains(control) || !WindowSubclass::Attach(control)) return false;
  Wrappers()[control] = this;
  return true;
}

void Control::OnDetached(HWND control) {
  Wrappers().erase(control);
}

Control* Control::FromHandle(HWND control) {
  auto it = Wrappers().find(control);
  return it != Wrappers().end() ? it->second : nullptr;
}

std::optional<LRESULT> Control::OnReflected(UINT /*message*/, WPARAM /*wParam*/,
                                            LPARAM /*lParam*/) {
  return std::nullopt;
}

std::optional<LRESULT> Control::HandleMessage(UINT /*message*/, WPARAM /*wParam*/,
                                              LPARAM /*lParam*/) {
  return std::nullopt;
}

std::optional<LRESULT> ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  // Every message reflected carries a structure, a control or a menu here.
  if (lParam == 0) return std::nullopt;
  if (IsMenuItemMessage(message, lParam)) return OwnerDrawnMenu::Reflect(message, wParam, lParam);
  HWND control = ControlOf(parent, message, wParam, lParam);
  Control* wrapper = Control::FromHandle(control);
  if (wrapper == nullptr) return std::nullopt;
  return wrapper->OnReflected(message, wParam, lParam);
}

}  // namespace mirevo::win32
