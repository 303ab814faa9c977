// The program assembled: the main window with the features that live on it,
// and the life of the process around it. The features' order is the one in
// which each message of the main window reaches them, before the window:
//
//   reminders  its WM_TIMER, WM_TIMECHANGE, waking from sleep; it sees the
//              commands, tabs and settings results pass (never answers them)
//   tray       the icon's callbacks, "TaskbarCreated", WM_DESTROY
//   behaviour  WM_SYSCOMMAND (minimise, maximise, restore), the caption's
//              double click, WM_SIZE, WM_MOVE (the docking), its WM_TIMER
//   settings   "设置", the settings dialog's result, WM_DESTROY
//   preview    the list's NM_CLICK, WM_MOVE (after the docking), WM_DESTROY
//   about      the system menu's "关于"
//
// and the window answers the rest: its buttons, the list and the tabs, the
// ways out, the recovery file's timer. One feature reaches another through the program
// (FeatureRequests), a changed setting the window through it too
// (WindowSettingsTarget).
#pragma once

#include <string_view>

#include "app/window_settings_target.h"
#include "store/clock.h"
#include "ui/main/main_window.h"
#include "ui/shell/about_command.h"
#include "ui/shell/feature_requests.h"
#include "ui/shell/preview_feature.h"
#include "ui/shell/reminder_feature.h"
#include "ui/shell/settings_command.h"
#include "ui/shell/tray_icon.h"
#include "ui/shell/window_behaviour.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class Program final : private FeatureRequests, private WindowSettingsTarget {
 public:
  Program(win32::UiServices& services, const Clock& clock);

  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  MainWindow& Window() { return window_; }
  SettingsCommand& Settings() { return settings_; }
  PreviewFeature& Preview() { return preview_; }

 private:
  // What one feature asks of another.
  void ShowDueSummary() override { tray_.ShowDueSummary(); }
  void OpenMainWindow() override { behaviour_.OpenFromTray(); }
  void OpenAbout() override { about_.Open(); }
  void HidePreview() override { preview_.Hide(); }

  // What a changed setting asks of the window, carried out by the feature
  // it concerns.
  void SetTopmost(bool topmost) override { behaviour_.SetTopmost(topmost); }
  void SetTransparency(int level) override {
    behaviour_.SetTransparency(level);
    preview_.SetTransparency(level);
  }
  void ClosePreviewPopup() override { preview_.Close(); }
  void RunInitialEdgeStep() override { behaviour_.RunInitialEdgeStep(); }

  // The window first: the features are destroyed before it.
  MainWindow window_;
  ReminderFeature reminders_;
  TrayIcon tray_;
  WindowBehaviour behaviour_;
  SettingsCommand settings_;
  PreviewFeature preview_;
  AboutCommand about_;
};

// Local time follows the system's setting unless TZ names a zone in the
// runtime's own form: any other TZ is removed from the process's environment,
// since the runtime would misread it as UTC.
void KeepTimeZoneReadable();

// instanceName names the single-instance mutex (the application's name).
// Refuses a second copy, then runs the main window until it ends. Returns
// the process exit code.
int RunProgram(std::string_view instanceName, win32::UiServices& services);

}  // namespace mirevo::ui
