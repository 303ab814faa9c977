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

TrayIcon::TrayIcon(win32::NotifyIconService& shell) : shell_(shell) {}

TrayIcon::~TrayIcon() {
  if (shown_) SetIconHandle(nullptr);
}

void TrayIcon::OnCreated(MainWindow& window) {
  window_ = &window;
  Attach(window.Hwnd());
  taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  tooltip_ = win32::WideFromGbk(win32::LoadStringGbk(IDS_TRAY_TIP));
  icon_ = win32::LoadIconResource(IDI_MIREVO, ::GetSystemMetrics(SM_CXSMICON));
  SetIconHandle(icon_.get());
}

void TrayIcon::OnStarted(MainWindow& window) {
  SetHoverSwitch(window.Controller().session.Settings().allowTrayBalloonTip);
}

bool TrayIcon::SetIconHandle(HICON icon) {
  if (icon == nullptr && !shown_) return true;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_->Hwnd();
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
  data.hWnd = window_->Hwnd();
  data.uID = IDR_TRAY_MENU;
  data.uFlags = NIF_INFO;
  CopyInto(data.szInfo, win32::WideFromGbk(text));
  CopyInto(data.szInfoTitle, win32::WideFromGbk(title));
  data.uTimeout = timeoutMs;
  data.dwInfoFlags = NIIF_INFO;
  shell_.Notify(NIM_MODIFY, data);
}

void TrayIcon::ShowDueSummary() {
  ShowBalloon(window_->Controller().list.DueSummaryText(), kDueSummaryTitle, kDueSummaryTimeoutMs);
}

std::optional<LRESULT> TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    if (wParam == IDR_TRAY_MENU) OnTrayEvent(static_cast<UINT>(lParam));
    // A right press blocks the hover under the menu; its release and the
    // end of a balloon arm it again.
    hover_.AfterTrayEvent(static_cast<UINT>(lParam));
    return 0;
  }
  if (message == taskbarCreated_) {
    ReaddIcon();
    return std::nullopt;
  }
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == ID_TRAY_SUMMARY) {
        ShowDueSummary();
        return 0;
      }
      if (LOWORD(wParam) == ID_TRAY_EXIT) {
        // The close sequence of the window: the exit question, the settings.
        ::SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
      }
      return std::nullopt;
    case WM_DESTROY:
      SetIconHandle(nullptr);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void TrayIcon::OnTrayEvent(UINT mouseMessage) {
  const bool visible = ::IsWindowVisible(Hwnd()) != FALSE;
  switch (hover_.HandleTrayEvent(mouseMessage, visible)) {
    case TrayAction::kShowMenu:
      ShowMenu();
      break;
    case TrayAction::kShowDueSummary:
      ::SendMessageW(Hwnd(), WM_COMMAND, ID_TRAY_SUMMARY, 0);
      break;
    case TrayAction::kOpenMainWindow:
      ::SetForegroundWindow(Hwnd());
      ::SendMessageW(Hwnd(), WM_COMMAND, ID_TRAY_OPEN, 0);
      break;
    case TrayAction::kNone:
      break;
  }
}

void TrayIcon::ShowMenu() {
  QxMenu menu;
  QxMenu* popup = menu.Load(IDR_TRAY_MENU) ? menu.SubMenu(0) : nullptr;
  if (popup == nullptr) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const UINT chosen = win32::TrackPopupForCommand(popup->Handle(), Hwnd(), cursor);
  // A menu opened from the notification area closes properly only once the
  // window has seen another message after it.
  ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
  if (chosen != 0) ::SendMessageW(Hwnd(), WM_COMMAND, chosen, 0);
}

}  // namespace mirevo::ui
