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

int TabStrip::Current() const {
  return static_cast<int>(::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
}

void TabStrip::SetCurrent(int index) {
  ::SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace mirevo::win32
