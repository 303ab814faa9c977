#include "app/session.h"

#include "app/app_title.h"
#include "app/command_texts.h"

namespace mirevo {

Session::Session(MessageView& messages, SessionView& window, const Clock& clock)
    : messages_(messages),
      window_(window),
      settingsFile_(kSettingsPath, clock),
      dataFile_(settings_.dataPath, clock) {}

void Session::ShowMessages(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) messages_.ShowMessage(message, kAppTitle);
}

void Session::LoadSettingsFile(int screenDpi) {
  settings_ = DefaultSettingsForDpi(screenDpi);
  ShowMessages(LoadFile(settingsFile_, settings_));
  dataFile_.SetPath(settings_.dataPath);
}

void Session::LoadDataFile() {
  ShowMessages(LoadFile(dataFile_, store_));
}

void Session::TakePlacement() {
  // A maximised window keeps the last normal rectangle, which the next start
  // restores before it maximises.
  if (settings_.maximised.On()) return;
  const std::optional<Rect> rect = window_.RectToKeep();
  if (!rect) return;
  settings_.windowRect = *rect;
}

bool Session::SaveDataFile() {
  std::vector<std::string> messages = SaveData(dataFile_, store_);
  ShowMessages(messages);
  return messages.empty();
}

void Session::SaveSettingsFile(int currentTab, const ColumnWidths& widths) {
  ShowMessages(SaveSettings(settingsFile_, settings_, widths, currentTab));
}

void Session::SaveAndExit(int currentTab, const ColumnWidths& widths) {
  TakePlacement();
  if (!SaveDataFile()) return;
  SaveSettingsFile(currentTab, widths);
  window_.EndProgram();
}

void Session::SaveOnSessionEnd(int currentTab, const ColumnWidths& widths) {
  TakePlacement();
  SaveData(dataFile_, store_);
  SaveSettings(settingsFile_, settings_, widths, currentTab);
}

bool Session::ConfirmLeaving() {
  if (!store_.dataChanged) return true;
  switch (messages_.AskYesNoCancel(kSaveQuestion, kExitCaption)) {
    case Answer::kYes:
      return SaveDataFile();
    case Answer::kNo:
      return true;
    case Answer::kCancel:
      return false;
  }
  return false;
}

void Session::CloseMainWindow(int currentTab, const ColumnWidths& widths) {
  if (!ConfirmLeaving()) return;
  TakePlacement();
  SaveSettingsFile(currentTab, widths);
  window_.EndProgram();
}

void Session::OnEscape() {
  if (!ConfirmLeaving()) return;
  window_.EndProgram();
}

}  // namespace mirevo
