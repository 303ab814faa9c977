#include "ui/win32/window.h"

#include "ui/win32/callback_guard.h"
#include "ui/win32/control.h"
#include "ui/win32/module.h"

namespace mirevo::win32 {
namespace {

bool RegisterClassOnce(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(AppInstance(), className, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = AppInstance();
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  return ::RegisterClassExW(&windowClass) != 0;
}

}  // namespace

Window::~Window() {
  Destroy();
}

bool Window::Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND owner,
                    const RECT& rect) {
  if (hwnd_ != nullptr || !RegisterClassOnce(className, &Window::WindowProc)) return false;
  HWND created =
      ::CreateWindowExW(exStyle, className, L"", style, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, owner, nullptr, AppInstance(), this);
  return created != nullptr && hwnd_ == created;
}

void Window::Destroy() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

std::optional<LRESULT> Window::HandleMessage(UINT /*message*/, WPARAM /*wParam*/,
                                             LPARAM /*lParam*/) {
  return std::nullopt;
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  } else {
    self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  std::optional<LRESULT> answer;
  try {
    answer = ReflectToControl(hwnd, message, wParam, lParam);
    if (!answer) answer = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return answer ? *answer : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace mirevo::win32
