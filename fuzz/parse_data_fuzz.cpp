// Any bytes may sit in a data file. Reading must never go past them, and a
// text read without complaint must be written back so that it reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that any read past the text is an overflow.
  std::string text(reinterpret_cast<const char*>(data), size);
  mirevo::RecordStore store;
  auto messages = mirevo::ParseData(std::string_view(text.data(), text.size()), store);
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
  return 0;
}
