#include "ui/main/dialog_picture_file.h"

#include <commdlg.h>

#include <array>

namespace mirevo::ui {

std::optional<std::wstring> AskPictureFile(HWND owner) {
  // Pairs of description and pattern, each ended by a zero, the list by two.
  static constexpr wchar_t kFilter[] =
      L"图像文件(*.bmp;*.jpg;*.jpeg;*.gif)\0*.bmp;*.jpg;*.jpeg;*.gif\0";
  // Long paths are fine on the W functions; 32K is their own limit.
  std::array<wchar_t, 32768> path{};
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = kFilter;
  request.nFilterIndex = 1;
  request.lpstrFile = path.data();
  request.nMaxFile = static_cast<DWORD>(path.size());
  request.Flags =
      OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!::GetOpenFileNameW(&request)) return std::nullopt;
  return std::wstring(path.data());
}

}  // namespace mirevo::ui
