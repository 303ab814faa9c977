// Which items of the list's context menu can be chosen on a tab.
#pragma once

namespace mirevo {

enum class MenuCommand { kNone, kUpdate, kEdit, kFinish, kAdd, kDelete };

struct ContextMenuState {
  bool updateEnabled = true;
  bool editEnabled = true;
  bool finishEnabled = true;
  bool addEnabled = true;
  bool deleteEnabled = true;
  bool finishChecked = false;
  bool operator==(const ContextMenuState&) const = default;
};

ContextMenuState ContextMenuStateFor(int tab, bool rowSelected);

}  // namespace mirevo
