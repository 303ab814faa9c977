// The program's session without the window: the store and the settings it
// owns, reading both files at start, writing them at exit, the exit question
// and the window's placement kept in the settings.
#pragma once

#include <string>
#include <vector>

#include "app/views.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "store/record_store.h"
#include "store/store_file.h"

namespace mirevo {

class Session {
 public:
  Session(MessageView& messages, SessionView& window, const Clock& clock);

  // Start-up: the settings file first (it names the data file), over the
  // defaults for the screen's resolution; then the data file. Each shows
  // what its file had to say.
  void LoadSettingsFile(int screenDpi);
  void LoadDataFile();

  // "保存并退出": both files, then the end. A data file that cannot be
  // written keeps the program running: ending would throw the changes away.
  void SaveAndExit(int currentTab, const ColumnWidths& widths);
  // Every other close request: the exit question when something changed,
  // then the settings file, then the end.
  void CloseMainWindow(int currentTab, const ColumnWidths& widths);
  // Escape: the quick way out, which writes no settings; it asks only when
  // leaving would lose changes.
  void OnEscape();
  // Windows is ending the session (shutdown, logoff): both files are
  // written as "保存并退出" writes them, without a question, since the
  // program lives in the tray for days and would lose every change of the
  // run. A file that cannot be written stays as it was.
  void SaveOnSessionEnd(int currentTab, const ColumnWidths& widths);

  // The user maximised or restored the window (the caption's double click
  // toggles it): remembered in "MaxSign", and while it is on the normal
  // rectangle of the last start is kept.
  void SetMaximised(bool maximised) { settings_.maximised = SwitchOf(maximised); }
  void ToggleMaximised() { SetMaximised(!settings_.maximised.On()); }

  const RecordStore& Store() const { return store_; }
  RecordStore& Store() { return store_; }
  const AppSettings& Settings() const { return settings_; }
  AppSettings& Settings() { return settings_; }

 private:
  void ShowMessages(const std::vector<std::string>& messages);
  // The window's rectangle into "pos[0]".."pos[3]", unless it is maximised.
  void TakePlacement();
  // Writes the data file; false (after its message) when it was not written.
  bool SaveDataFile();
  void SaveSettingsFile(int currentTab, const ColumnWidths& widths);
  // The exit question when something changed; false when the program must
  // keep running (Cancel, or a data file that could not be written).
  bool ConfirmLeaving();

  MessageView& messages_;
  SessionView& window_;
  RecordStore store_;
  AppSettings settings_;
  StoreFile settingsFile_;
  StoreFile dataFile_;
};

}  // namespace mirevo
