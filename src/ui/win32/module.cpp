#include "ui/win32/module.h"

#include <commctrl.h>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {

HINSTANCE AppInstance() {
  return ::GetModuleHandleW(nullptr);
}

std::string ApplicationName() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  for (;;) {
    length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) break;
    path.resize(path.size() * 2);
  }
  path.resize(length);
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring base = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = base.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > 0) base.resize(dot);
  // A name GBK cannot hold would only appear if someone renamed the file;
  // the program still needs a caption then.
  return GbkFromWide(base).value_or("Mirevo");
}

bool InitCommonControlsForApp() {
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                              ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                              ICC_LISTVIEW_CLASSES};
  return ::InitCommonControlsEx(&init) != FALSE;
}

std::string LoadStringGbk(UINT id) {
  // With a zero buffer size LoadStringW hands out a pointer into the
  // resource itself, so no length limit applies.
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(AppInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return std::string();
  return GbkFromWide(std::wstring_view(text, static_cast<std::size_t>(length))).value_or("");
}

IconHandle LoadIconResource(int id, int size) {
  const UINT flags = size == 0 ? LR_DEFAULTSIZE : 0;
  return IconHandle(static_cast<HICON>(
      ::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, flags)));
}

std::optional<std::string_view> LoadResourceBytes(const wchar_t* type, int id) {
  HINSTANCE module = AppInstance();
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (info == nullptr) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(module, info);
  if (loaded == nullptr) return std::nullopt;
  const void* data = ::LockResource(loaded);
  const DWORD size = ::SizeofResource(module, info);
  if (data == nullptr) return std::nullopt;
  return std::string_view(static_cast<const char*>(data), size);
}

}  // namespace mirevo::win32
