#include "app/main_controller.h"

namespace mirevo {

MainController::MainController(MessageView& messages, DialogView& dialogs, ListScreen& screen,
                               SessionView& window, const Clock& clock, FileSystem& files)
    : session_(messages, window, clock, files),
      list_(session_.Store(), session_.Settings(), screen, clock),
      commands_(session_.Store(), session_.Settings(), list_, screen, messages, dialogs, clock),
      screen_(screen) {}

void MainController::LoadSettings(int screenDpi) {
  session_.LoadSettingsFile(screenDpi);
}

void MainController::LoadDataAndShowStartTab() {
  session_.LoadDataFile();
  list_.ShowStartTab();
}

void MainController::SaveAndExit() {
  session_.SaveAndExit(list_.CurrentTab(), screen_.CurrentColumnWidths());
}

void MainController::CloseMainWindow() {
  session_.CloseMainWindow(list_.CurrentTab(), screen_.CurrentColumnWidths());
}

void MainController::SaveOnSessionEnd() {
  session_.SaveOnSessionEnd(list_.CurrentTab(), screen_.CurrentColumnWidths());
}

void MainController::OnEscape() {
  session_.OnEscape();
}

}  // namespace mirevo
