// The program in the notification area: the icon with its tooltip, the due
// summary as a balloon, the menu on a right click, the main window on a
// double click, and the summary once when the mouse passes over the icon
// while the window is hidden (when "AllowTrayBTip" is on).
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

#include "app/main_list.h"
#include "store/app_settings.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/shell/feature_requests.h"
#include "ui/win32/notify_icon.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::ui {

class TrayIcon final : public MainWindowFeature {
 public:
  // The message the icon sends the main window about mouse events on it.
  static constexpr UINT kCallbackMessage = WM_USER + 100;

  // list gives the due summary; program opens what the menu asks for.
  TrayIcon(MainWindow& window, win32::NotifyIconService& shell, const AppSettings& settings,
           MainList& list, FeatureRequests& program);
  ~TrayIcon() override;

  // Adds the icon with the tooltip "Mirevo v0.22".
  void OnCreated() override;
  // The icon's callbacks, a new taskbar and the window's end.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The due summary as a balloon at the icon.
  void ShowDueSummary();

 private:
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

  MainWindow& window_;
  win32::NotifyIconService& shell_;
  const AppSettings& settings_;
  MainList& list_;
  FeatureRequests& program_;
  UINT taskbarCreated_ = 0;
  win32::IconHandle icon_;
  std::wstring tooltip_;
  bool shown_ = false;
  // The summary was shown by hovering already: the icon reports a move for
  // every pixel. A right press sets it too, so that no balloon pops up
  // under the menu; the menu and the end of a balloon clear it.
  bool hoverLatch_ = false;
};

}  // namespace mirevo::ui
