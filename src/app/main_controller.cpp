#include "app/main_controller.h"

namespace mirevo {

MainController::MainController(MessageView& messages, DialogView& dialogs, ListScreen& screen,
                               SessionView& window, const Clock& clock)
    : session(messages, window, clock),
      list(session.Store(), session.Settings(), screen, clock),
      commands(session.Store(), session.Settings(), list, screen, messages, dialogs, clock),
      screen_(screen) {}

void MainController::LoadSettings(int screenDpi) {
  session.LoadSettingsFile(screenDpi);
}

void MainController::LoadDataAndShowStartTab() {
  session.LoadDataFile();
  list.ShowStartTab();
}

void MainController::SaveAndExit() {
  session.SaveAndExit(list.CurrentTab(), screen_.CurrentColumnWidths());
}

void MainController::CloseMainWindow() {
  session.CloseMainWindow(list.CurrentTab(), screen_.CurrentColumnWidths());
}

void MainController::SaveOnSessionEnd() {
  session.SaveOnSessionEnd(list.CurrentTab(), screen_.CurrentColumnWidths());
}

void MainController::OnEscape() {
  session.OnEscape();
}

}  // namespace mirevo
