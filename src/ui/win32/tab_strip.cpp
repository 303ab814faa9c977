#include "ui/win32/tab_strip.h"

#include <commctrl.h>

#include "ui/win32/wide_text.h"

namespace mirevo::win32 {

bool TabStrip::InsertTab(int index, std::string_view title) {
  std::wstring text = WideFromGbk(title);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  return ::SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item)) >= 0;
}

void TabStrip::RemoveAll() {
  ::SendMessageW(tabs_, TCM_DELETEALLITEMS, 0, 0);
}

int TabStrip::Count() const {
  return static_cast<int>(::SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0));
}

int TabStrip::Current() const {
  return static_cast<int>(::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
}

void TabStrip::SetCurrent(int index) {
  ::SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<std::string> TabStrip::Title(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  wchar_t buffer[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  if (!::SendMessageW(tabs_, TCM_GETITEMW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item))) {
    return std::nullopt;
  }
  return GbkFromWide(item.pszText);
}

}  // namespace mirevo::win32
