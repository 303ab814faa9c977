// A part of the program that lives on the main window without being part of
// it: the tray icon, the window's behaviour, the settings dialog, the
// preview popup. The program's assembly adds each one to the window before
// the window is created; most of them hook the window's procedure (a
// win32::WindowSubclass) to see its messages first.
#pragma once

namespace mirevo::ui {

class MainWindow;

class MainWindowFeature {
 public:
  virtual ~MainWindowFeature() = default;

  // The window exists and nothing is loaded yet: hook its procedure here,
  // and note anything that must be taken before the window is first sized.
  virtual void OnCreated(MainWindow& /*window*/) {}
  // The settings and the data are loaded and the start tab is shown.
  virtual void OnStarted(MainWindow& /*window*/) {}
};

}  // namespace mirevo::ui
