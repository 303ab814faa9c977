#include "app/context_menu.h"

#include "store/series_record.h"

namespace mirevo {

ContextMenuState ContextMenuStateFor(int tab, bool rowSelected) {
  ContextMenuState state;
  if (!rowSelected) {
    state.updateEnabled = false;
    state.editEnabled = false;
    state.finishEnabled = false;
    state.deleteEnabled = false;
  }
  if (tab == kFinishedList) {
    // Finished works are not updated, and nothing is added there directly.
    state.updateEnabled = false;
    state.addEnabled = false;
    state.finishChecked = rowSelected;
  }
  if (tab == kAwaitedList) state.finishEnabled = false;
  return state;
}

}  // namespace mirevo
