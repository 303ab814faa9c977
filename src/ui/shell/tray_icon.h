// The program in the notification area: the icon with its tooltip, the due
// summary as a balloon, the menu on a right click, the main window on a
// double click, and the summary once when the mouse passes over the icon
// while the window is hidden. It hooks the main window's procedure, so it
// sees the icon's callback messages before the window does.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/win32/notify_icon.h"
#include "ui/win32/unique_handle.h"
#include "ui/win32/window_subclass.h"
#include "window/tray_hover.h"

namespace mirevo::ui {

class TrayIcon final : public MainWindowFeature, private win32::WindowSubclass {
 public:
  // The message the icon sends the main window about mouse events on it.
  static constexpr UINT kCallbackMessage = WM_USER + 100;

  explicit TrayIcon(win32::NotifyIconService& shell);
  ~TrayIcon() override;

  // Hooks the window and adds the icon with the tooltip "Mirevo v0.22".
  void OnCreated(MainWindow& window) override;
  // The hover follows "AllowTrayBTip".
  void OnStarted(MainWindow& window) override;

  // The due summary as a balloon at the icon.
  void ShowDueSummary();
  void SetHoverSwitch(int allowTrayBalloonTip) { hover_.SetHoverSwitch(allowTrayBalloonTip); }

 private:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Adds the icon, or changes it once it is shown; without an icon, removes
  // it. A failed call forgets that the icon is shown, so the next one adds
  // it anew.
  bool SetIconHandle(HICON icon);
  // The taskbar was made anew (Explorer restarted, or started after us): the
  // icon is added again, also when adding it failed before, or changed when
  // it is still there.
  void ReaddIcon();
  void ShowBalloon(std::string_view text, std::string_view title, UINT timeoutMs);
  void OnTrayEvent(UINT mouseMessage);
  void ShowMenu();

  win32::NotifyIconService& shell_;
  MainWindow* window_ = nullptr;
  UINT taskbarCreated_ = 0;
  win32::IconHandle icon_;
  std::wstring tooltip_;
  bool shown_ = false;
  TrayHover hover_;
};

}  // namespace mirevo::ui
