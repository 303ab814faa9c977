#include "store/record_store.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace mirevo {

int RecordStore::TakeNewId() {
  if (idCounter < std::numeric_limits<int>::max()) return ++idCounter;
  // Raising the counter would wrap to a negative id that a later start, or
  // another add, hands out again.
  std::vector<int> used;
  for (const RecordList& list : lists)
    for (const SeriesRecord& record : list)
      if (record.id > 0) used.push_back(record.id);
  std::sort(used.begin(), used.end());
  int candidate = 1;
  for (int id : used) {
    if (id > candidate) break;
    if (id == candidate) ++candidate;
  }
  return candidate;
}

}  // namespace mirevo
