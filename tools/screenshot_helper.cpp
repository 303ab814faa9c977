// Drives a running Mirevo.exe for tools/screenshot.sh. Runs under wine in
// the same virtual desktop as the program and talks to its windows:
//
// Started through "wine explorer /desktop=...", which returns at once, so the
// helper reports through a file instead of its exit code: the first argument
// names it, and it gets "0" and the printed text on success, "1" and the
// reason on failure, once the command is done.
//
//   screenshot_helper OUT wait             waits until the main window is up
//   screenshot_helper OUT tab N            picks tab N as a click would
//   screenshot_helper OUT row N            prints the screen centre of list row N
//   screenshot_helper OUT press ID         clicks the main window's button ID
//   screenshot_helper OUT close            the close request (system menu close)
//   screenshot_helper OUT dialog WHICH     waits for a dialog: "edit" (the record
//                                      dialog as 编辑), "exit" (退出), "about"
//                                      (关于……) or "settings" (设置)
//   screenshot_helper OUT answer WHICH ID  presses button ID in that dialog
//   screenshot_helper OUT post MSG W L     posts a message to the main window
//                                      (shown or hidden in the tray)
//   screenshot_helper OUT move X Y         moves the main window there
//   screenshot_helper OUT item ID          prints the screen centre of the main
//                                      window's control ID
//   screenshot_helper OUT dlgitem WHICH ID prints the screen centre of control ID
//                                      anywhere in that dialog
//   screenshot_helper OUT dlgtab WHICH ID N  picks tab N of the tab control ID in
//                                      that dialog, as a click would
//
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

constexpr int kListId = 1000;
constexpr int kTabsId = 1017;

// Waits up to about 20 seconds for a dialog window with the title.
HWND WaitForDialog(const wchar_t* title) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    HWND window = ::FindWindowW(L"#32770", title);
    if (window != nullptr && ::IsWindowVisible(window)) return window;
    ::Sleep(100);
  }
  std::fwprintf(stderr, L"no window \"%ls\"\n", title);
  return nullptr;
}

HWND MainWindow() {
  return WaitForDialog(L"Mirevo");
}

// The bounds of a list row, read through memory in the program's process
// (the list writes its answer there).
bool RowRect(HWND list, int row, RECT& rect) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(list, &pid);
  HANDLE process =
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return false;
  void* remote = ::VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  bool ok = false;
  if (remote != nullptr) {
    RECT request{};
    request.left = LVIR_BOUNDS;
    SIZE_T moved = 0;
    if (::WriteProcessMemory(process, remote, &request, sizeof(request), &moved) &&
        ::SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote)) != 0 &&
        ::ReadProcessMemory(process, remote, &rect, sizeof(rect), &moved)) {
      ok = true;
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  ::CloseHandle(process);
  return ok;
}

// Titles by ASCII names: command-line bytes reach wine in the shell's
// locale, which may not be UTF-8.
const wchar_t* DialogTitle(const wchar_t* which) {
  if (std::wcscmp(which, L"edit") == 0) return L"\u7f16\u8f91";               // 编辑
  if (std::wcscmp(which, L"exit") == 0) return L"\u9000\u51fa";               // 退出
  if (std::wcscmp(which, L"about") == 0) return L"\u5173\u4e8e\u2026\u2026";  // 关于……
  if (std::wcscmp(which, L"settings") == 0) return L"\u8bbe\u7f6e";           // 设置
  return which;
}

// A control with that id anywhere inside window (pages are child dialogs).
HWND Descendant(HWND window, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        if (::GetDlgCtrlID(child) != s.id) return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string CentreOf(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  return std::to_string((rect.left + rect.right) / 2) + " " +
         std::to_string((rect.top + rect.bottom) / 2);
}

struct Result {
  int code = 0;
  std::string text;
};

Result Fail(const char* what) {
  return {1, what};
}

Result Run(int argc, wchar_t** argv) {
  if (argc < 1) return Fail("no command");
  const std::wstring command = argv[0];
  if (command == L"dialog" || command == L"answer" || command == L"dlgitem" ||
      command == L"dlgtab") {
    if (argc < 2) return Fail("no dialog");
    HWND dialog = WaitForDialog(DialogTitle(argv[1]));
    if (dialog == nullptr) return Fail("the dialog did not show up");
    if (command == L"dlgitem" || command == L"dlgtab") {
      if (argc < 3) return Fail("no control");
      HWND control = Descendant(dialog, std::wcstol(argv[2], nullptr, 10));
      if (control == nullptr) return Fail("no such control");
      if (command == L"dlgitem") return {0, CentreOf(control)};
      ::SendMessageW(control, TCM_SETCURFOCUS, argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 0, 0);
      return {};
    }
    if (command == L"answer") {
      if (argc < 3) return Fail("no button");
      const int id = std::wcstol(argv[2], nullptr, 10);
      ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    }
    return {};
  }

  // A window in the tray is hidden, but it still takes messages.
  HWND main = command == L"post" ? ::FindWindowW(L"#32770", L"Mirevo") : MainWindow();
  if (main == nullptr) return Fail("the main window did not show up");
  const int number = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 0;
  if (command == L"wait") return {};
  if (command == L"tab") {
    // The strip notifies its parent as if the user had clicked the tab.
    ::SendMessageW(::GetDlgItem(main, kTabsId), TCM_SETCURFOCUS, number, 0);
    return {};
  }
  if (command == L"press") {
    ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(number, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(main, number)));
    return {};
  }
  if (command == L"post") {
    if (argc < 4) return Fail("post needs a message and two parameters");
    ::PostMessageW(main, static_cast<UINT>(number), std::wcstoul(argv[2], nullptr, 10),
                   std::wcstol(argv[3], nullptr, 10));
    return {};
  }
  if (command == L"move") {
    if (argc < 3) return Fail("move needs a position");
    ::SetWindowPos(main, nullptr, number, std::wcstol(argv[2], nullptr, 10), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    return {};
  }
  if (command == L"item") {
    HWND control = ::GetDlgItem(main, number);
    if (control == nullptr) return Fail("no such control");
    return {0, CentreOf(control)};
  }
  if (command == L"close") {
    ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return {};
  }
  if (command == L"row") {
    HWND list = ::GetDlgItem(main, kListId);
    RECT rect{};
    if (!RowRect(list, number, rect)) return Fail("no such row");
    // Left part of the row: the first columns are always on screen.
    POINT point{rect.left + 60, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(list, &point);
    return {0, std::to_string(point.x) + " " + std::to_string(point.y)};
  }
  return Fail("unknown command");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const Result result = Run(argc - 2, argv + 2);
  // Written whole under a temporary name, then renamed: the script waits
  // for the name to appear.
  const std::wstring path = argv[1];
  const std::wstring partial = path + L".part";
  if (FILE* out = _wfopen(partial.c_str(), L"wb")) {
    std::fprintf(out, "%d %s\n", result.code, result.text.c_str());
    std::fclose(out);
    ::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  return result.code;
}
