// The six lists the main window holds, one per tab, with the id counter and
// the flag that asks about saving on exit.
#pragma once

#include <array>
#include <string_view>

#include "store/record_list.h"

namespace mirevo {

// The title of each list, which is its tab's title; the first four are also
// the names of the categories.
inline constexpr std::array<std::string_view, kListCount> kListTitles{"动画", "漫画", "OVA",
                                                                      "日剧", "完结", "期待"};

struct RecordStore {
  std::array<RecordList, kListCount> lists;
  int idCounter = 0;         // largest id in use; a new work gets idCounter + 1
  bool dataChanged = false;  // set by every command that changes a record or an order
  unsigned changes = 0;      // how many such changes there were in this run

  // What every command that changes a record or an order calls.
  void MarkChanged() {
    dataChanged = true;
    ++changes;
  }

  // An id no work has: idCounter + 1, or, once the counter has reached the
  // largest id there is, the smallest positive id not in use.
  int TakeNewId();
};

}  // namespace mirevo
