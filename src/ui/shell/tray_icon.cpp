#include "ui/shell/tray_icon.h"

#include <algorithm>

#include "reminders/due_summary.h"
#include "resource.h"
#include "ui/controls/qx_menu.h"
#include "ui/win32/menu.h"
#include "ui/win32/module.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui {
namespace {

// Copies as much of text as fits, with the terminating zero.
template <std::size_t kSize>
void CopyInto(wchar_t (&field)[kSize], std::wstring_view text) {
  const std::size_t count = std::min(text.size(), kSize - 1);
  std::copy_n(text.data(), count, field);
  field[count] = L'\0';
}

}  // namespace

TrayIcon::TrayIcon(MainWindow& window, win32::NotifyIconService& shell, const AppSettings& settings,
                   MainList& list, FeatureRequests& program)
    : window_(window), shell_(shell), settings_(settings), list_(list), program_(program) {}

TrayIcon::~TrayIcon() {
  if (shown_) SetIconHandle(nullptr);
}

void TrayIcon::OnCreated() {
  taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  tooltip_ = win32::WideFromGbk(win32::LoadStringGbk(IDS_TRAY_TIP));
  icon_ = win32::LoadIconResource(IDI_MIREVO, ::GetSystemMetrics(SM_CXSMICON));
  SetIconHandle(icon_.get());
}

bool TrayIcon::SetIconHandle(HICON icon) {
  if (icon == nullptr && !shown_) return true;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_.Hwnd();
  data.uID = IDR_TRAY_MENU;
  DWORD operation = NIM_DELETE;
  if (icon != nullptr) {
    operation = shown_ ? NIM_MODIFY : NIM_ADD;
    data.uFlags = NIF_ICON | NIF_MESSAGE;
    data.hIcon = icon;
    data.uCallbackMessage = kCallbackMessage;
    if (!tooltip_.empty()) {
      data.uFlags |= NIF_TIP;
      CopyInto(data.szTip, tooltip_);
    }
  }
  const bool done = shell_.Notify(operation, data);
  shown_ = done && operation != NIM_DELETE;
  return done;
}

void TrayIcon::ReaddIcon() {
  shown_ = false;
  if (SetIconHandle(icon_.get())) return;
  // Still there (the message came without the taskbar going): changed
  // instead, so that it is known to be shown and goes at the exit.
  shown_ = true;
  SetIconHandle(icon_.get());
}

void TrayIcon::ShowBalloon(std::string_view text, std::string_view title, UINT timeoutMs) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_.Hwnd();
  data.uID = IDR_TRAY_MENU;
  data.uFlags = NIF_INFO;
  CopyInto(data.szInfo, win32::WideFromGbk(text));
  CopyInto(data.szInfoTitle, win32::WideFromGbk(title));
  data.uTimeout = timeoutMs;
  data.dwInfoFlags = NIIF_INFO;
  shell_.Notify(NIM_MODIFY, data);
}

void TrayIcon::ShowDueSummary() {
  ShowBalloon(list_.DueSummaryText(), kDueSummaryTitle, kDueSummaryTimeoutMs);
}

std::optional<LRESULT> TrayIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    // Another icon of ours would have another id; its balloon's end still
    // re-arms the hover, as a release of the right button does.
    if (wParam == IDR_TRAY_MENU) OnTrayEvent(static_cast<UINT>(lParam));
    if (lParam == WM_RBUTTONDOWN) hoverLatch_ = true;
    if (lParam == WM_RBUTTONUP || lParam == NIN_BALLOONTIMEOUT || lParam == NIN_BALLOONUSERCLICK)
      hoverLatch_ = false;
    return 0;
  }
  if (message == taskbarCreated_) {
    ReaddIcon();
    return std::nullopt;
  }
  if (message == WM_DESTROY) SetIconHandle(nullptr);
  return std::nullopt;
}

void TrayIcon::OnTrayEvent(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_RBUTTONUP:
      ShowMenu();
      break;
    case WM_LBUTTONDBLCLK:
      program_.OpenMainWindow();
      break;
    case WM_MOUSEMOVE:
      // The summary is for someone who cannot see the window.
      if (settings_.trayBalloons.On() && !hoverLatch_ && !::IsWindowVisible(window_.Hwnd())) {
        hoverLatch_ = true;
        ShowDueSummary();
      }
      break;
    default:
      break;
  }
}

void TrayIcon::ShowMenu() {
  QxMenu menu;
  QxMenu* popup = menu.Load(IDR_TRAY_MENU) ? menu.SubMenu(0) : nullptr;
  if (popup == nullptr) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const UINT chosen = win32::TrackPopupForCommand(popup->Handle(), window_.Hwnd(), cursor);
  // A menu opened from the notification area closes properly only once the
  // window has seen another message after it.
  ::PostMessageW(window_.Hwnd(), WM_NULL, 0, 0);
  switch (chosen) {
    case ID_TRAY_OPEN:
      program_.OpenMainWindow();
      break;
    case ID_TRAY_SUMMARY:
      ShowDueSummary();
      break;
    case ID_TRAY_ABOUT:
      program_.OpenAbout();
      break;
    case ID_TRAY_EXIT:
      window_.RequestClose();
      break;
    default:
      break;
  }
}

}  // namespace mirevo::ui
