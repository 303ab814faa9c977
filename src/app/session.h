// The program's session without the window: the store and the settings it
// owns, reading both files at start, writing them at exit, the exit question,
// the recovery file that keeps unsaved changes while the program runs, and
// the window's placement kept in the settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/views.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "store/data_preload.h"
#include "store/file_io_platform.h"
#include "store/record_store.h"
#include "store/recovery_file.h"
#include "store/recovery_writer.h"
#include "store/store_file.h"

namespace mirevo {

// How often the window asks for a recovery snapshot (OnRecoveryTimer).
inline constexpr unsigned kRecoveryTimerMs = 1000;

inline constexpr char kRecoveryWriteFailed[] =
    "无法写入恢复文件:程序若意外退出,尚未保存的修改将会丢失。";

// The start-up question about a recovery file written at writtenAt (a
// TimeText; empty when the time is not known).
std::string RecoveryQuestion(std::string_view writtenAt);

class Session {
 public:
  // files: the file operations for every file of the session.
  Session(MessageView& messages, SessionView& window, const Clock& clock,
          FileSystem& files = NativeFileSystem());

  // Start-up: the settings file first (it names the data file), over the
  // defaults for the screen's resolution; then the data file. Each shows
  // what its file had to say. A recovery file beside the data file means
  // the last run ended without saving its changes: the user chooses between
  // them (they are loaded instead of the data file, as a change not saved
  // yet) and the data file (they are then set aside as a dated backup).
  void LoadSettingsFile(int screenDpi);
  void LoadDataFile();
  // The data file as a preload read it, if it read the one the settings
  // name; otherwise LoadDataFile reads it itself. Set before the start.
  void UsePreload(DataPreload& preload) { preload_ = &preload; }

  // The window's timer, every kRecoveryTimerMs: after a change since the
  // last snapshot, the store's bytes go to the recovery file's writer; the
  // first write that failed is told once.
  void OnRecoveryTimer();
  // Returns once the recovery file holds the last snapshot handed over, or
  // its write has failed.
  void WaitForRecoveryFile() { recoveryWriter_.WaitIdle(); }

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
  // The recovery file goes once the data file holds its changes, and is
  // brought up to date when the data file could not be written.
  bool SaveDataFile();
  // Hands the store to the writer when it changed since the last snapshot.
  void TakeSnapshot();
  // The changes are saved or given up: the recovery file goes, and a timer
  // that still comes before the end takes no snapshot of them.
  void DropRecoveryFile();
  void SaveSettingsFile(int currentTab, const ColumnWidths& widths);
  // The exit question when something changed; false when the program must
  // keep running (Cancel, or a data file that could not be written). When it
  // lets the program end, the changes are saved or given up, and the
  // recovery file is gone.
  bool ConfirmLeaving();

  MessageView& messages_;
  SessionView& window_;
  RecordStore store_;
  AppSettings settings_;
  StoreFile settingsFile_;
  StoreFile dataFile_;
  RecoveryFile recoveryFile_;
  RecoveryWriter recoveryWriter_{recoveryFile_};
  unsigned snapshotChanges_ = 0;  // the store's changes at the last snapshot
  DataPreload* preload_ = nullptr;
};

}  // namespace mirevo
