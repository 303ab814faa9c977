// The program's one top-level window: a row of command buttons, the tab
// strip of the six lists and the list of works. It only displays and
// forwards: every decision is the MainController's, and every question and
// dialog the controller asks for is answered here through its views. What
// else lives on the window (tray icon, behaviour, settings, preview, about
// box) is a feature the program's assembly gives it; each message goes to the
// features first, in their order, then to the window.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

#include "app/main_controller.h"
#include "app/views.h"
#include "store/clock.h"
#include "ui/controls/program_dialog.h"
#include "ui/main/main_list_screen.h"
#include "ui/main/main_window_feature.h"
#include "ui/win32/dialog.h"
#include "ui/win32/ui_services.h"
#include "ui/win32/unique_handle.h"
#include "ui/win32/window_timer.h"

namespace mirevo::ui {

class MainWindow final : public ProgramDialog,
                         public MessageView,
                         public DialogView,
                         public SessionView {
 public:
  // Reads nothing yet: the settings and data files are loaded when the
  // window is created (RunModal or CreateModeless).
  MainWindow(win32::UiServices& services, const Clock& clock);

  // Before the window is created, in the order they see each message; the
  // features must outlive the window.
  void SetFeatures(std::initializer_list<MainWindowFeature*> features) { features_ = features; }

  // The timer that keeps the recovery file up to date (the other features
  // keep theirs: 1 the docking, 2 the reminders).
  static constexpr UINT_PTR kRecoveryTimerId = 3;

  MainController& Controller() { return controller_; }
  const MainController& Controller() const { return controller_; }
  MainListScreen& Screen() { return listScreen_; }
  HICON BigIcon() const { return bigIcon_.get(); }

  // The close box's way out: the exit question when something changed,
  // then the settings file, then the end.
  void RequestClose() { controller_.CloseMainWindow(); }

  // MessageView.
  void ShowMessage(const std::string& text, const std::string& caption) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  // DialogView.
  bool RunRecordDialog(RecordForm& form) override;
  bool RunTypeDialog(TypeForm& form) override;
  MenuCommand ShowContextMenu(const ContextMenuState& state) override;
  void OpenAddress(const std::string& address) override;
  // SessionView.
  std::optional<Rect> RectToKeep() const override;
  Rect CurrentWindowRect() const;
  void EndProgram() override;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnOpen() override;
  bool OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnNotify(NMHDR* header) override;
  // Enter where no focused button takes it: edit the selected work.
  void OnOk() override;
  // Escape (the close box and the system menu arrive as WM_CLOSE instead).
  void OnCancel() override;

 private:
  void SetUpIcons();
  void AddAboutToSystemMenu();
  std::optional<LRESULT> OnListNotify(NMHDR* header);
  bool PaintIconic();

  win32::UiServices& services_;
  const Clock& clock_;
  MainListScreen listScreen_;
  MainController controller_;
  std::vector<MainWindowFeature*> features_;
  // From OnCreated on the features see the window's messages.
  bool featuresLive_ = false;
  win32::IconHandle bigIcon_;
  win32::IconHandle smallIcon_;
  // Hands the session's changes to the recovery file; it goes before the
  // controller does.
  win32::WindowTimer recoveryTimer_{kRecoveryTimerId};
};

}  // namespace mirevo::ui
