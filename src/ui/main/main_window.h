// The program's one top-level window: a row of command buttons, the tab
// strip of the six lists and the list of works. It only displays and
// forwards: every decision is the MainController's, and every question and
// dialog the controller asks for is answered here through its views. What
// else lives on the window (tray icon, behaviour, settings) is added as
// features by the program's assembly.
#pragma once

#include <windows.h>

#include <vector>

#include "app/main_controller.h"
#include "app/views.h"
#include "store/clock.h"
#include "ui/controls/dialog_buttons.h"
#include "ui/main/main_list_screen.h"
#include "ui/main/main_window_feature.h"
#include "ui/win32/dialog.h"
#include "ui/win32/ui_services.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::ui {

class MainWindow final : public win32::Dialog,
                         public MessageView,
                         public DialogView,
                         public SessionView {
 public:
  // Reads nothing yet: the settings and data files are loaded when the
  // window is created (RunModal or CreateModeless).
  MainWindow(win32::UiServices& services, const Clock& clock);

  // Before the window is created; the feature must outlive the window.
  void AddFeature(MainWindowFeature& feature) { features_.push_back(&feature); }

  MainController& Controller() { return controller_; }
  const MainController& Controller() const { return controller_; }
  MainListScreen& Screen() { return listScreen_; }
  win32::UiServices& Services() { return services_; }
  HICON BigIcon() const { return bigIcon_.get(); }

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
  bool OnInitDialog() override;
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
  DialogButtons buttons_;
  win32::IconHandle bigIcon_;
  win32::IconHandle smallIcon_;
};

}  // namespace mirevo::ui
