// How the main window behaves on the screen: where it opens (never out of
// reach), minimising to the tray, the remembered maximised state, staying on
// top, transparency, docking at a screen edge with its timer, and the
// controls following a change of the window's size. It hooks the main
// window's procedure; every decision is made by the toolkit-free functions of
// window/, this class only reads the window's state and carries them out.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/shell/tray_icon.h"
#include "ui/win32/layered_window.h"
#include "ui/win32/window_subclass.h"
#include "ui/win32/window_timer.h"
#include "window/edge_docking.h"
#include "window/layout_anchors.h"

namespace mirevo::ui {

class WindowBehaviour final : public MainWindowFeature, private win32::WindowSubclass {
 public:
  // The tray shows the due summary when the window is minimised to it.
  explicit WindowBehaviour(TrayIcon& tray);

  // Hooks the window and notes its design layout.
  void OnCreated(MainWindow& window) override;
  // Placement, topmost, transparency, the first edge step, maximising and
  // the docking timer, from the settings.
  void OnStarted(MainWindow& window) override;

  // Applied while the program runs (from the settings dialog).
  void SetTopmost(bool topmost);
  void SetTransparency(int level);
  // The edge step in its initial mode: a window hidden at an edge comes back.
  void RunInitialEdgeStep() { RunEdgeStep(EdgeAutoHideMode::kInitial); }

  // Called when the window docks away while a preview is shown.
  void SetHidePreview(std::function<void()> hidePreview) { hidePreview_ = std::move(hidePreview); }

 private:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnSystemCommand(WPARAM command);
  void PlaceOnScreen();
  void RunEdgeStep(EdgeAutoHideMode mode);
  void LayOut();
  void OpenFromTray();
  AppSettings& Settings() { return window_->Controller().session.Settings(); }

  TrayIcon& tray_;
  MainWindow* window_ = nullptr;
  DockState docking_;
  win32::WindowTimer dockTimer_{kDockTimerId};
  win32::LayeredWindow layered_;
  LayoutTracker layout_;
  std::function<void()> hidePreview_;
};

}  // namespace mirevo::ui
