// The six lists the main window holds, one per tab, with the id counter and
// the flag that asks about saving on exit.
#pragma once

#include <array>

#include "store/record_list.h"

namespace mirevo {

struct RecordStore {
  std::array<RecordList, kListCount> lists;
  int idCounter = 0;         // largest id in use; a new work gets idCounter + 1
  bool dataChanged = false;  // set by every command that changes a record or an order
};

}  // namespace mirevo
