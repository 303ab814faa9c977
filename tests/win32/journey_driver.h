// Drives a running Mirevo.exe from another process, the way a user's hands
// would reach it: it finds the program's windows, sends them messages and
// reads what they show. The common controls' messages carry pointers, which
// must point into the program's own memory: SendRemote takes them there.
//
// Every wait is bounded: a window that never shows up makes the caller fail
// instead of hanging, and a Program ends its process when it goes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo::journey {

// How long a step waits for the program to answer.
inline constexpr DWORD kWaitMs = 5000;
// Starting a copy under wine takes longer than a step.
inline constexpr DWORD kStartWaitMs = 15000;

// Polls until done() holds or the time is up; true when it held.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs,
                    DWORD pollMs = 20) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  while (!done()) {
    if (::GetTickCount64() >= end) return false;
    ::Sleep(pollMs);
  }
  return true;
}

// A path of the machine that runs wine as the program sees it: "/x/y" is
// "Z:/x/y", on the drive wine gives the root; other paths stay as they are.
inline std::filesystem::path WindowsPath(const std::string& path) {
  return path.starts_with('/') ? "Z:" + path : path;
}

// UTF-16 -> code page 936 (GBK), the form of the program's files.
inline std::string Gbk(std::wstring_view text) {
  std::string bytes(text.size() * 2, '\0');  // at most two bytes a character
  bytes.resize(static_cast<std::size_t>(
      ::WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

// Sends and waits, but never longer than timeoutMs (0 when it timed out).
inline LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                    DWORD timeoutMs = kWaitMs) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result);
  return static_cast<LRESULT>(result);
}

// Sends a message whose lParam points at a copy of `size` bytes of data made
// in the window's process, and copies them back after. A struct that points
// into itself sets its pointers in fix(), which gets the copy's address.
inline LRESULT SendRemote(HWND window, UINT message, WPARAM wParam, void* data, std::size_t size,
                          const std::function<void(char* copy)>& fix = {}) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  HANDLE process =
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  auto* copy = static_cast<char*>(
      ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  LRESULT result = 0;
  if (copy != nullptr && fix) fix(copy);
  if (copy != nullptr && ::WriteProcessMemory(process, copy, data, size, nullptr)) {
    result = Send(window, message, wParam, reinterpret_cast<LPARAM>(copy));
    ::ReadProcessMemory(process, copy, data, size, nullptr);
  }
  ::VirtualFreeEx(process, copy, 0, MEM_RELEASE);  // nothing without a copy
  ::CloseHandle(process);
  return result;
}

// The windows inside a window, at any depth.
inline std::vector<HWND> WindowsIn(HWND parent) {
  std::vector<HWND> found;
  const WNDENUMPROC add = [](HWND window, LPARAM list) -> BOOL {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
  };
  ::EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The window's text, asked of the window itself.
inline std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// All texts shown inside a window, joined by "|".
inline std::wstring TextsInside(HWND window) {
  std::wstring joined;
  for (HWND child : WindowsIn(window))
    if (const std::wstring text = TextOf(child); !text.empty()) joined += L"|" + text;
  return joined;
}

// The control with that id inside a dialog, on its pages too.
inline HWND Control(HWND dialog, int id) {
  if (HWND direct = ::GetDlgItem(dialog, id)) return direct;
  for (HWND child : WindowsIn(dialog))
    if (::GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

// Posts a click of the button with that id, as the button reports one.
inline void Press(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// The text of a cell of a report-style list view.
inline std::wstring Cell(HWND list, int row, int column) {
  struct {
    LVITEMW item;
    wchar_t text[1024];
  } cell{};
  cell.item.iSubItem = column;
  cell.item.cchTextMax = 1024;
  SendRemote(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), &cell, sizeof cell, [&](char* copy) {
    cell.item.pszText = reinterpret_cast<LPWSTR>(copy + offsetof(decltype(cell), text));
  });
  return cell.text;
}

// One copy of the program, started in a working folder and ended, if it
// still runs, when the Program goes.
class Program {
 public:
  Program(const std::filesystem::path& exe, const std::filesystem::path& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.c_str(), &startup, &info_);
  }
  ~Program() {
    Kill();  // nothing when it has ended
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Ends the process at once, as a crash or "taskkill /f" would.
  void Kill() const {
    ::TerminateProcess(info_.hProcess, 99);
    ::WaitForSingleObject(info_.hProcess, kWaitMs);
  }

  // The exit code; STILL_ACTIVE when the process still runs after the wait.
  DWORD WaitForExit(DWORD timeoutMs = kWaitMs) const {
    DWORD code = STILL_ACTIVE;
    ::WaitForSingleObject(info_.hProcess, timeoutMs);
    ::GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

  // The first visible top-level dialog window of the program (main window,
  // dialog or message box) that matches, once one does; nullptr when none
  // did in time or the program ended.
  HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs = kWaitMs,
                     DWORD pollMs = 20) const {
    HWND found = nullptr;  // after a search in vain, nullptr again
    WaitFor(
        [&] {
          while ((found = ::FindWindowExW(nullptr, found, L"#32770", nullptr)) != nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(found, &owner);
            if (owner == info_.dwProcessId && ::IsWindowVisible(found) && match(found)) return true;
          }
          return ::WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT;  // it ended
        },
        timeoutMs, pollMs);
    return found;
  }

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace mirevo::journey
