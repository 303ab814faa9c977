// A tab control used as a plain strip of titled tabs (the pages are drawn
// by the owner, not by child windows of the tabs).
#pragma once

#include <windows.h>

#include <string_view>

namespace mirevo::win32 {

class TabStrip {
 public:
  TabStrip() = default;
  explicit TabStrip(HWND tabs) : tabs_(tabs) {}

  void Attach(HWND tabs) { tabs_ = tabs; }
  HWND Hwnd() const { return tabs_; }

  // Inserts a tab with a GBK title at index; false on failure.
  bool InsertTab(int index, std::string_view title);

  // The selected tab, -1 when none.
  int Current() const;
  // Selects a tab without sending TCN_SELCHANGE (the caller shows the page).
  void SetCurrent(int index);

 private:
  HWND tabs_ = nullptr;
};

}  // namespace mirevo::win32
