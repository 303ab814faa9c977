// A menu whose items the program draws. Windows asks the window that shows a
// menu to measure and draw its owner-drawn items (WM_MEASUREITEM and
// WM_DRAWITEM with ODT_MENU) and to find an item by its mnemonic
// (WM_MENUCHAR); a Dialog or Window hands those requests to the menu they
// belong to. A menu takes part from its construction to its destruction.
#pragma once

#include <windows.h>

#include <optional>

namespace mirevo::win32 {

class OwnerDrawnMenu {
 public:
  OwnerDrawnMenu();
  virtual ~OwnerDrawnMenu();

  OwnerDrawnMenu(const OwnerDrawnMenu&) = delete;
  OwnerDrawnMenu& operator=(const OwnerDrawnMenu&) = delete;

  // The answer of the menu that an item request belongs to, or nullopt
  // when it belongs to none of the program's menus.
  static std::optional<LRESULT> Reflect(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Whether an item's data (as the program set it on the item) is this
  // menu's, and whether a menu handle is this menu or one of its pop-ups.
  virtual bool OwnsItemData(ULONG_PTR itemData) const = 0;
  virtual bool OwnsMenu(HMENU menu) const = 0;

  virtual void MeasureItem(MEASUREITEMSTRUCT& item) = 0;
  virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;
  // WM_MENUCHAR's answer (MAKELRESULT(position, MNC_EXECUTE) and the like).
  virtual LRESULT MenuChar(wchar_t typed, HMENU menu) = 0;
};

}  // namespace mirevo::win32
