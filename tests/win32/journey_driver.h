// Drives a running Mirevo.exe from another process, the way a user's hands
// would reach it: it finds the program's windows, posts commands and keys,
// types into dialog boxes and reads what the list shows. Texts of another
// process's list, pickers and headers travel through memory allocated in
// that process, since Win32 copies only the classic window texts across.
//
// Every wait is bounded: a window that never shows up makes the caller fail
// instead of hanging.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo::journey {

// How long a step waits for the program to answer.
inline constexpr DWORD kWaitMs = 5000;
// Starting a copy under wine takes longer than a step.
inline constexpr DWORD kStartWaitMs = 15000;
// Showing a tab or sorting may take this long with a very large list.
inline constexpr DWORD kSlowWaitMs = 60000;

// Polls until done() holds or the time is up; true when it held.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs, DWORD pollMs = 20);

// The Windows form of a path of the machine that runs wine ("/tmp/x" ->
// "Z:\tmp\x"); a path that already is a Windows path is returned unchanged.
std::wstring WindowsPath(std::string_view path);

// The program to drive: the environment variable MIREVO_EXE when it is set,
// else the path the build put into the driver's user.
std::wstring ProgramPath(std::string_view builtPath);

// Texts between the test and the files: UTF-16 <-> code page 936 (GBK),
// the form in which the program keeps its files.
std::string Gbk(std::wstring_view text);
std::wstring Wide(std::string_view gbk);

// One copy of the program, started in a working folder. Destroying it ends
// the process if it still runs, so a failed step never leaves it behind.
class Program {
 public:
  Program(const std::wstring& exe, const std::filesystem::path& folder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return started_; }
  bool Running() const;
  DWORD Id() const { return info_.dwProcessId; }
  // The exit code, or nothing when the process still runs after the wait.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kWaitMs) const;
  void Kill();

  // The process's visible dialog windows (main window, dialogs, message
  // boxes), top-level only.
  std::vector<HWND> Dialogs() const;
  // A visible dialog with that title holding a control with that id.
  HWND FindDialog(std::wstring_view title, int controlId) const;
  HWND WaitForDialog(std::wstring_view title, int controlId, DWORD timeoutMs = kWaitMs) const;
  // A visible message box showing that text.
  HWND FindMessageBox(std::wstring_view text) const;
  HWND WaitForMessageBox(std::wstring_view text, DWORD timeoutMs = kWaitMs) const;
  // "caption: text" of every visible dialog other than the known ones, for
  // checking that nothing unexpected popped up.
  std::vector<std::wstring> OtherDialogs(const std::vector<HWND>& known) const;

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// ---- Controls of the other process ---------------------------------------

// The window's text, asked of the window itself.
std::wstring TextOf(HWND window);
// All texts shown inside a window (its descendants'), joined by "|".
std::wstring TextsInside(HWND window);
// The descendant with that control id (pages of a dialog included).
HWND Control(HWND dialog, int id);

// Posts a click of the button with that id to its dialog, as the button
// itself reports a click.
void Press(HWND dialog, int id);
// Clicks a check box or button through the control (it changes its own
// state and tells its dialog).
void Click(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
// Posts a key's press and release to the window that has the focus, as the
// keyboard would; the dialog manager sees it first.
void PressKey(HWND focused, UINT virtualKey);
void TypeText(HWND dialog, int id, std::wstring_view text);
void PickComboItem(HWND dialog, int id, int index);
// Sets a date or time picker, as a choice in its calendar or spin would.
bool SetPickerTime(HWND dialog, int id, const SYSTEMTIME& time);

// Waits for the window to hide or to go away.
bool WaitUntilGone(HWND window, DWORD timeoutMs = kWaitMs);
// Makes the window paint what is pending now; returns when it is drawn.
bool PaintNow(HWND window);

// The tab strip: picks a tab as a click would (the strip tells its parent).
void PickTab(HWND tabs, int tab);
int CurrentTab(HWND tabs);

// A report-style list view of the other process.
class ListView {
 public:
  explicit ListView(HWND list) : list_(list) {}

  int RowCount() const;
  std::wstring Cell(int row, int column) const;
  // Texts of the columns 0..columns-1 of a row.
  std::vector<std::wstring> Row(int row, int columns) const;
  // Selects and focuses a row as a click would; false when it did not take.
  bool Select(int row) const;
  int SelectedRow() const;
  // Clicks the header of a column, as the mouse does; returns once the
  // program has handled the click.
  bool ClickHeader(int column) const;

 private:
  HWND list_;
};

}  // namespace mirevo::journey
