#include "journey_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace mirevo::journey {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

// Sends and waits, but never longer than a step: a hung program fails the
// step instead of the whole run.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
             DWORD timeoutMs = kWaitMs) {
  DWORD_PTR result = 0;
  if (::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs,
                            &result) == 0) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

// Memory inside the process that owns a window: the messages of the common
// controls carry pointers, which must point into that process.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, std::size_t size) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_ != nullptr)
      address_ =
          ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteMemory() {
    if (address_ != nullptr) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) ::CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Ok() const { return address_ != nullptr; }
  LPARAM At(std::size_t offset = 0) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
  }
  bool Write(const void* bytes, std::size_t size, std::size_t offset = 0) const {
    SIZE_T moved = 0;
    return ::WriteProcessMemory(process_, static_cast<char*>(address_) + offset, bytes, size,
                                &moved) != FALSE &&
           moved == size;
  }
  bool Read(void* bytes, std::size_t size, std::size_t offset = 0) const {
    SIZE_T moved = 0;
    return ::ReadProcessMemory(process_, static_cast<char*>(address_) + offset, bytes, size,
                               &moved) != FALSE &&
           moved == size;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  return pid;
}

bool IsDialogClass(HWND window) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  return std::wstring_view(name) == kDialogClass;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= end) return false;
    ::Sleep(pollMs);
  }
}

std::wstring WindowsPath(std::string_view path) {
  if (path.empty() || path.front() != '/') return Wide(path);
  // Wine names its own mapping; "Z:" is the drive it gives the root.
  using DosName = WCHAR*(CDECL*)(const char*);
  const std::string unixPath(path);
  if (HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll")) {
    FARPROC found = ::GetProcAddress(kernel, "wine_get_dos_file_name");
    if (auto convert = reinterpret_cast<DosName>(reinterpret_cast<void*>(found))) {
      if (WCHAR* dos = convert(unixPath.c_str())) {
        std::wstring result = dos;
        ::HeapFree(::GetProcessHeap(), 0, dos);
        return result;
      }
    }
  }
  std::wstring result = L"Z:" + Wide(unixPath);
  std::replace(result.begin(), result.end(), L'/', L'\\');
  return result;
}

std::wstring ProgramPath(std::string_view builtPath) {
  if (const char* chosen = std::getenv("MIREVO_EXE"); chosen != nullptr && *chosen != '\0')
    return WindowsPath(chosen);
  return WindowsPath(builtPath);
}

std::string Gbk(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
  return bytes;
}

std::wstring Wide(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size =
      ::MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), text.data(), size);
  return text;
}

// ---- Program --------------------------------------------------------------

Program::Program(const std::wstring& exe, const std::filesystem::path& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + exe + L"\"";
  started_ = ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.wstring().c_str(), &startup, &info_) != FALSE;
}

Program::~Program() {
  if (!started_) return;
  Kill();
  ::CloseHandle(info_.hThread);
  ::CloseHandle(info_.hProcess);
}

bool Program::Running() const {
  return started_ && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) const {
  if (!started_ || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return {};
  DWORD code = 0;
  ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void Program::Kill() {
  if (!Running()) return;
  ::TerminateProcess(info_.hProcess, 99);
  ::WaitForSingleObject(info_.hProcess, kWaitMs);
}

std::vector<HWND> Program::Dialogs() const {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{info_.dwProcessId, {}};
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (ProcessOf(window) == s.pid && IsDialogClass(window) && ::IsWindowVisible(window))
          s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::FindDialog(std::wstring_view title, int controlId) const {
  for (HWND dialog : Dialogs())
    if (TextOf(dialog) == title && Control(dialog, controlId) != nullptr) return dialog;
  return nullptr;
}

HWND Program::WaitForDialog(std::wstring_view title, int controlId, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindDialog(title, controlId)) != nullptr || !Running(); },
          timeoutMs);
  return found;
}

HWND Program::FindMessageBox(std::wstring_view text) const {
  for (HWND dialog : Dialogs())
    for (HWND child : Descendants(dialog))
      if (TextOf(child) == text) return dialog;
  return nullptr;
}

HWND Program::WaitForMessageBox(std::wstring_view text, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindMessageBox(text)) != nullptr || !Running(); }, timeoutMs);
  return found;
}

std::vector<std::wstring> Program::OtherDialogs(const std::vector<HWND>& known) const {
  std::vector<std::wstring> others;
  for (HWND dialog : Dialogs())
    if (std::find(known.begin(), known.end(), dialog) == known.end())
      others.push_back(TextOf(dialog) + L": " + TextsInside(dialog));
  return others;
}

// ---- Controls -------------------------------------------------------------

std::wstring TextOf(HWND window) {
  const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

std::wstring TextsInside(HWND window) {
  std::wstring joined;
  for (HWND child : Descendants(window)) {
    const std::wstring text = TextOf(child);
    if (text.empty()) continue;
    if (!joined.empty()) joined += L"|";
    joined += text;
  }
  return joined;
}

HWND Control(HWND dialog, int id) {
  if (HWND direct = ::GetDlgItem(dialog, id)) return direct;
  for (HWND child : Descendants(dialog))
    if (::GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

void Press(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void Click(HWND dialog, int id) {
  Send(Control(dialog, id), BM_CLICK);
}

bool IsChecked(HWND dialog, int id) {
  return Send(Control(dialog, id), BM_GETCHECK) == BST_CHECKED;
}

void PressKey(HWND focused, UINT virtualKey) {
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageW(focused, WM_KEYDOWN, virtualKey, scan | 1);
  ::PostMessageW(focused, WM_KEYUP, virtualKey, scan | 1 | (LPARAM{3} << 30));
}

void TypeText(HWND dialog, int id, std::wstring_view text) {
  const std::wstring terminated(text);
  Send(Control(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void PickComboItem(HWND dialog, int id, int index) {
  Send(Control(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index));
}

bool SetPickerTime(HWND dialog, int id, const SYSTEMTIME& time) {
  HWND picker = Control(dialog, id);
  RemoteMemory remote(picker, sizeof(SYSTEMTIME));
  return remote.Ok() && remote.Write(&time, sizeof(time)) &&
         Send(picker, DTM_SETSYSTEMTIME, GDT_VALID, remote.At()) != 0;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  return WaitFor([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, timeoutMs);
}

bool PaintNow(HWND window) {
  // The paint messages go to the window's own thread and are handled there
  // before this returns; the empty message behind them proves it.
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  DWORD_PTR ignored = 0;
  return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSlowWaitMs, &ignored) != 0;
}

void PickTab(HWND tabs, int tab) {
  // Sent: it returns when the program has shown the tab.
  Send(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0, kSlowWaitMs);
}

int CurrentTab(HWND tabs) {
  return static_cast<int>(Send(tabs, TCM_GETCURSEL));
}

// ---- List view ------------------------------------------------------------

int ListView::RowCount() const {
  return static_cast<int>(Send(list_, LVM_GETITEMCOUNT));
}

std::wstring ListView::Cell(int row, int column) const {
  constexpr int kCapacity = 2048;
  RemoteMemory remote(list_, sizeof(LVITEMW) + kCapacity * sizeof(wchar_t));
  if (!remote.Ok()) return L"<no memory in the program>";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(remote.At(sizeof(LVITEMW)));
  item.cchTextMax = kCapacity;
  if (!remote.Write(&item, sizeof(item))) return L"<not written>";
  const auto length = static_cast<std::size_t>(
      Send(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.At()));
  std::wstring text(std::min<std::size_t>(length, kCapacity - 1), L'\0');
  if (!text.empty() && !remote.Read(text.data(), text.size() * sizeof(wchar_t), sizeof(LVITEMW)))
    return L"<not read>";
  return text;
}

std::vector<std::wstring> ListView::Row(int row, int columns) const {
  std::vector<std::wstring> texts;
  for (int column = 0; column < columns; ++column) texts.push_back(Cell(row, column));
  return texts;
}

bool ListView::Select(int row) const {
  RemoteMemory remote(list_, sizeof(LVITEMW));
  if (!remote.Ok()) return false;
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  // Nothing selected first, as a click leaves only the clicked row.
  item.state = 0;
  if (!remote.Write(&item, sizeof(item))) return false;
  Send(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote.At());
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (!remote.Write(&item, sizeof(item))) return false;
  Send(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.At());
  return SelectedRow() == row;
}

int ListView::SelectedRow() const {
  return static_cast<int>(
      Send(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

bool ListView::ClickHeader(int column) const {
  HWND header = reinterpret_cast<HWND>(Send(list_, LVM_GETHEADER));
  RemoteMemory remote(header, sizeof(RECT));
  RECT rect{};
  if (header == nullptr || !remote.Ok() ||
      Send(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), remote.At()) == 0 ||
      !remote.Read(&rect, sizeof(rect))) {
    return false;
  }
  const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  // Sent, not posted: the release returns only when the list and its parent
  // have handled the click (the sort included).
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(header, WM_LBUTTONDOWN, MK_LBUTTON, middle, SMTO_ABORTIFHUNG, kSlowWaitMs,
                        &ignored);
  return ::SendMessageTimeoutW(header, WM_LBUTTONUP, 0, middle, SMTO_ABORTIFHUNG, kSlowWaitMs,
                               &ignored) != 0;
}

}  // namespace mirevo::journey
