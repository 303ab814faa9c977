#include "app/session.h"

#include <utility>

#include "app/app_title.h"
#include "app/command_texts.h"
#include "reminders/time_text.h"
#include "store/data_file.h"

namespace mirevo {

std::string RecoveryQuestion(std::string_view writtenAt) {
  std::string question = "上次没有正常退出,\n有未保存的修改";
  if (!writtenAt.empty()) {
    question += '(';
    question += writtenAt;
    question += ')';
  }
  return question +
         "。\n\n要恢复这些修改吗?\n选\"否\"则打开上次保存的数据,\n这些修改另存为备份文件。";
}

Session::Session(MessageView& messages, SessionView& window, const Clock& clock, FileSystem& files)
    : messages_(messages),
      window_(window),
      settingsFile_(kSettingsPath, clock, files),
      dataFile_(settings_.dataPath, clock, files),
      recoveryFile_(settings_.dataPath, clock, files) {}

void Session::ShowMessages(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) messages_.ShowMessage(message, kAppTitle);
}

void Session::LoadSettingsFile(int screenDpi) {
  settings_ = DefaultSettingsForDpi(screenDpi);
  ShowMessages(LoadFile(settingsFile_, settings_));
  dataFile_.SetPath(settings_.dataPath);
  recoveryFile_.SetDataPath(settings_.dataPath);
}

void Session::LoadDataFile() {
  // Used once: the preload lives only through the start.
  DataPreload* preload = std::exchange(preload_, nullptr);
  if (recoveryFile_.Exists()) {
    const std::optional<std::time_t> writtenAt = recoveryFile_.WrittenAt();
    const std::string question = RecoveryQuestion(writtenAt ? FormatTimeText(*writtenAt) : "");
    if (messages_.AskYesNo(question, kAppTitle) == Answer::kYes) {
      if (preload != nullptr) preload->Take({});  // not wanted: its works go now
      ShowMessages(recoveryFile_.Load(store_));
      store_.MarkChanged();
      // The data file's bytes are not used in this run, and the recovery file may
      // not have given everything: what the data file holds is kept before
      // the first save replaces it.
      dataFile_.MarkDamaged();
      return;
    }
    recoveryFile_.SetAside();
  }
  if (preload != nullptr) {
    if (std::optional<DataPreload::Loaded> loaded = preload->Take(dataFile_.Path())) {
      store_ = std::move(loaded->store);
      if (loaded->needsBackup) dataFile_.MarkDamaged();
      ShowMessages(loaded->messages);
      return;
    }
  }
  ShowMessages(LoadFile(dataFile_, store_));
}

void Session::TakeSnapshot() {
  if (!store_.dataChanged || store_.changes == snapshotChanges_) return;
  snapshotChanges_ = store_.changes;
  std::string snapshot = recoveryWriter_.TakeSpare();
  FormatData(store_, snapshot);
  recoveryWriter_.Write(std::move(snapshot));
}

void Session::DropRecoveryFile() {
  snapshotChanges_ = store_.changes;
  recoveryWriter_.Discard();
}

void Session::OnRecoveryTimer() {
  TakeSnapshot();
  if (recoveryWriter_.TakeFailure()) messages_.ShowMessage(kRecoveryWriteFailed, kAppTitle);
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
  if (messages.empty()) {
    DropRecoveryFile();
  } else {
    TakeSnapshot();
  }
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
  if (SaveData(dataFile_, store_).empty()) {
    DropRecoveryFile();
  } else {
    // The process may be ended any moment now: the changes must be on disk.
    TakeSnapshot();
    WaitForRecoveryFile();
  }
  SaveSettings(settingsFile_, settings_, widths, currentTab);
}

bool Session::ConfirmLeaving() {
  if (store_.dataChanged) {
    switch (messages_.AskYesNoCancel(kSaveQuestion, kExitCaption)) {
      case Answer::kYes:
        return SaveDataFile();
      case Answer::kNo:
        break;
      case Answer::kCancel:
        return false;
    }
  }
  DropRecoveryFile();
  return true;
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
