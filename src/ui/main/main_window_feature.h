// A part of the program that lives on the main window without being part of
// it: the tray icon, the window's behaviour, the settings dialog, the preview
// popup, the about box. The program's assembly makes each one with what it
// works on and gives the window their list; the window hands every message
// to them in that order before its own handling.
#pragma once

#include <windows.h>

#include <optional>

namespace mirevo::ui {

class MainWindowFeature {
 public:
  virtual ~MainWindowFeature() = default;

  // The start-up steps, in this order. The window exists and nothing is
  // read yet: note what must be taken before the window is first sized.
  virtual void OnCreated() {}
  // The settings file is read; the data file is not yet.
  virtual void OnSettingsRead() {}
  // The data is read and the start tab is shown.
  virtual void OnStarted() {}

  // A message of the window, from OnCreated on. A value answers it and ends
  // it there; nullopt passes it on to the next feature and then to the
  // window.
  virtual std::optional<LRESULT> OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return std::nullopt;
  }
};

}  // namespace mirevo::ui
