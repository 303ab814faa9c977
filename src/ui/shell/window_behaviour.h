// How the main window behaves on the screen: where it opens (never out of
// reach), minimising to the tray, the remembered maximised state, staying on
// top, transparency, docking at a screen edge with its timer, and the
// controls following a change of the window's size. Every decision is made
// by the toolkit-free functions of window/; this class only reads the
// window's state and carries them out.
#pragma once

#include <windows.h>

#include "app/session.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_feature.h"
#include "ui/shell/feature_requests.h"
#include "ui/win32/layered_window.h"
#include "ui/win32/window_timer.h"
#include "window/edge_docking.h"
#include "window/layout_anchors.h"

namespace mirevo::ui {

class WindowBehaviour final : public MainWindowFeature {
 public:
  // The timer that notices the cursor leaving or reaching a docked window.
  static constexpr UINT_PTR kDockTimerId = 1;

  // session keeps the settings and the maximised state; program shows the
  // due summary and hides the preview.
  WindowBehaviour(MainWindow& window, Session& session, FeatureRequests& program)
      : window_(window), session_(session), program_(program) {}

  // Notes the window's design layout.
  void OnCreated() override;
  // The transparency, before the data file may show a message.
  void OnSettingsRead() override;
  // Placement, topmost, the first edge step, maximising and the docking
  // timer.
  void OnStarted() override;
  // The system commands, the caption's double click, size, move and timer.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Applied while the program runs (from the settings dialog).
  void SetTopmost(bool topmost);
  void SetTransparency(int level);
  // The edge step in its initial mode: a window hidden at an edge comes back.
  void RunInitialEdgeStep() { RunEdgeStep(EdgeAutoHideMode::kInitial); }
  // Out of the tray: out from its edge first when it hides there, then shown
  // and in front.
  void OpenFromTray();

 private:
  std::optional<LRESULT> OnSystemCommand(WPARAM command);
  void PlaceOnScreen();
  void RunEdgeStep(EdgeAutoHideMode mode);
  void LayOut();
  HWND Hwnd() const { return window_.Hwnd(); }
  const AppSettings& Settings() const { return session_.Settings(); }

  MainWindow& window_;
  Session& session_;
  FeatureRequests& program_;
  DockState docking_;
  win32::WindowTimer dockTimer_{kDockTimerId};
  win32::LayeredWindow layered_;
  LayoutTracker layout_;
};

}  // namespace mirevo::ui
