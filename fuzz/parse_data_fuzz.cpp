// Any bytes may sit in a data file. Reading must never go past them, read in
// two halves it must give what it gives in one piece, a text read without
// complaint must be written back so that it reads the same, and the works
// read keep their texts once the lists they were read into are gone.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that any read past the text is an overflow.
  std::string text(reinterpret_cast<const char*>(data), size);
  mirevo::RecordStore store;
  mirevo::RecordStore inHalves;
  const auto halvesMessages = mirevo::ParseData(text, inHalves, 0);
  auto messages = mirevo::ParseData(std::move(text), store, SIZE_MAX);
  if (halvesMessages != messages || mirevo::FormatData(inHalves) != mirevo::FormatData(store) ||
      inHalves.idCounter != store.idCounter)
    std::abort();
  for (const auto& list : store.lists)
    for (const auto& record : list)
      if (record.category < 0 || record.category > mirevo::kCategoryNotChosen) std::abort();
  if (messages.empty()) {
    std::string written = mirevo::FormatData(store);
    mirevo::RecordStore again;
    if (!mirevo::ParseData(written, again).empty()) std::abort();
    if (mirevo::FormatData(again) != written) std::abort();
    // A repeated "N" may lower an id after it raised the counter.
    if (again.idCounter > store.idCounter) std::abort();
  }

  const std::string read = mirevo::FormatData(store);
  const mirevo::RecordStore copied = store;
  mirevo::RecordStore moved;
  for (int i = 0; i < mirevo::kListCount; ++i) {
    std::vector<const mirevo::SeriesRecord*> order;
    for (const auto& record : store.lists[i]) order.push_back(&record);
    // Each move puts the work at the head: the last goes first.
    for (auto it = order.rbegin(); it != order.rend(); ++it)
      moved.lists[i].MoveFrom(store.lists[i], **it);
  }
  mirevo::RecordStore movedWhole;
  for (int i = 0; i < mirevo::kListCount; ++i) movedWhole.lists[i].MoveAllFrom(inHalves.lists[i]);
  store = mirevo::RecordStore();
  inHalves = mirevo::RecordStore();
  if (mirevo::FormatData(copied) != read || mirevo::FormatData(moved) != read ||
      mirevo::FormatData(movedWhole) != read)
    std::abort();
  return 0;
}
