// The main window without the window: the session (files, settings, exit),
// the list (tab, rows, sort) and the record commands, wired together. The
// window talks to the screen only through the four views.
#pragma once

#include "app/main_list.h"
#include "app/record_commands.h"
#include "app/session.h"
#include "app/views.h"
#include "store/clock.h"
#include "store/file_io_platform.h"

namespace mirevo {

class MainController {
 public:
  // files: the file operations for every file the program reads and writes.
  MainController(MessageView& messages, DialogView& dialogs, ListScreen& screen,
                 SessionView& window, const Clock& clock, FileSystem& files = NativeFileSystem());

  // Start-up, in this order with the window's own steps between them: the
  // settings file (before the tabs and columns exist), then the data file
  // named by "m_path" and the tab last used.
  void LoadSettings(int screenDpi);
  void LoadDataAndShowStartTab();

  // Every kRecoveryTimerMs while the window lives: unsaved changes go to
  // the recovery file, and its first failure is told.
  void OnRecoveryTimer() { session_.OnRecoveryTimer(); }

  // The exit paths: "保存并退出", every other close request, and Escape.
  void SaveAndExit();
  void CloseMainWindow();
  void OnEscape();
  void SaveOnSessionEnd();

  Session& GetSession() { return session_; }
  const Session& GetSession() const { return session_; }
  AppSettings& Settings() { return session_.Settings(); }
  const AppSettings& Settings() const { return session_.Settings(); }
  MainList& List() { return list_; }
  const MainList& List() const { return list_; }
  RecordCommands& Commands() { return commands_; }

 private:
  Session session_;
  MainList list_;
  RecordCommands commands_;
  ListScreen& screen_;
};

}  // namespace mirevo
