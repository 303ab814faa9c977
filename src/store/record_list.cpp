#include "store/record_list.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "text/gbk.h"

namespace mirevo {

RecordList::RecordList(const RecordList& other) {
  *this = other;
}

RecordList& RecordList::operator=(const RecordList& other) {
  if (this == &other) return *this;
  Slots copies;
  copies.reserve(other.records_.size());
  for (const auto& record : other.records_)
    copies.push_back(std::make_unique<SeriesRecord>(*record));
  records_.swap(copies);
  // The copies borrow nothing.
  copies.clear();
  keptBytes_.clear();
  return *this;
}

void RecordList::KeepBytes(std::shared_ptr<const std::string> bytes) {
  if (std::find(keptBytes_.begin(), keptBytes_.end(), bytes) == keptBytes_.end())
    keptBytes_.push_back(std::move(bytes));
}

// A new record gets its members' defaults and nothing more: made with
// make_unique<SeriesRecord>(), the whole record would be cleared to zero
// first, once per work of a loaded file.
SeriesRecord& RecordList::InsertNewRecord() {
  return **records_.insert(records_.begin(), std::make_unique_for_overwrite<SeriesRecord>());
}

SeriesRecord& RecordList::AppendNewRecord() {
  return *records_.emplace_back(std::make_unique_for_overwrite<SeriesRecord>());
}

std::size_t RecordList::IndexOf(const SeriesRecord& record) const {
  const auto it = std::find_if(records_.begin(), records_.end(),
                               [&record](const auto& slot) { return slot.get() == &record; });
  return static_cast<std::size_t>(it - records_.begin());
}

bool RecordList::Contains(const SeriesRecord& record) const {
  return IndexOf(record) < records_.size();
}

void RecordList::Remove(const SeriesRecord& record) {
  const std::size_t index = IndexOf(record);
  if (index < records_.size())
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecordList::MoveFrom(RecordList& source, const SeriesRecord& record) {
  const std::size_t index = source.IndexOf(record);
  if (index >= source.records_.size()) return;
  const auto slot = source.records_.begin() + static_cast<std::ptrdiff_t>(index);
  std::unique_ptr<SeriesRecord> moved = std::move(*slot);
  source.records_.erase(slot);
  records_.insert(records_.begin(), std::move(moved));
  for (const auto& bytes : source.keptBytes_) KeepBytes(bytes);
}

void RecordList::MoveAllFrom(RecordList& source) {
  if (&source == this) return;
  records_.insert(records_.end(), std::make_move_iterator(source.records_.begin()),
                  std::make_move_iterator(source.records_.end()));
  source.records_.clear();
  for (const auto& bytes : source.keptBytes_) KeepBytes(bytes);
}

// A key with both parts orders by the number, then the text; the list has
// always been ordered by two stable passes (text, then number), which equal
// one stable sort by (number, text), which is what runs here. The keys are copied next to each
// other first, so that the sort does not reach into the records; the records' addresses are
// then put in the sorted order, no record is copied.
void RecordList::SortRecords(SortKey sortKey, bool descending) {
  if (records_.size() < 2) return;

  struct Key {
    std::string_view text;
    int number;
    std::uint32_t position;
    // The text's first eight bytes as one number (zeros past its end), whose
    // order is theirs: most comparisons end there.
    std::uint64_t head = 0;
  };
  std::vector<Key> keys;
  keys.reserve(records_.size());
  std::size_t textBytes = 0;
  // Through the list's own walk, which fetches the records ahead.
  for (const SeriesRecord& record : std::as_const(*this)) {
    const auto position = static_cast<std::uint32_t>(keys.size());
    Key key{{}, SortNumber(record, sortKey).value_or(0), position};
    if (const RecordText* text = SortText(record, sortKey)) {
      key.text = *text;  // repointed into the arena below
      textBytes += text->size();
    }
    keys.push_back(key);
  }
  // Each text as its sort key, side by side: the sort then compares plain
  // bytes. The room is left as it comes, so that memory the keys do not
  // reach is never touched.
  const std::unique_ptr<char[]> arena(new char[2 * textBytes]);
  char* end = arena.get();
  for (Key& key : keys) {
    char* start = end;
    end = WriteSortKey(key.text, start);
    key.text = std::string_view(start, static_cast<std::size_t>(end - start));
  }
  // Keys that all begin alike (the names of one series, the times of one
  // month) are compared past what they share, so that their first eight
  // bytes tell most of them apart.
  std::size_t shared = keys.front().text.size();
  for (const Key& key : keys) {
    const std::string_view first = keys.front().text.substr(0, std::min(shared, key.text.size()));
    shared = static_cast<std::size_t>(
        std::mismatch(first.begin(), first.end(), key.text.begin()).first - first.begin());
  }
  for (Key& key : keys) {
    key.text.remove_prefix(shared);
    for (std::size_t i = 0; i < 8; ++i)
      key.head =
          key.head << 8 | (i < key.text.size() ? static_cast<unsigned char>(key.text[i]) : 0u);
  }

  // Equal keys keep their list order through the position: the result is
  // that of a stable sort.
  std::sort(keys.begin(), keys.end(), [descending](const Key& a, const Key& b) {
    int c = (a.number > b.number) - (a.number < b.number);
    if (c == 0) c = (a.head > b.head) - (a.head < b.head);
    if (c == 0) c = a.text.compare(b.text);
    if (c == 0) return a.position < b.position;
    return descending ? c > 0 : c < 0;
  });

  Slots sorted;
  sorted.reserve(records_.size());
  for (const Key& key : keys) sorted.push_back(std::move(records_[key.position]));
  records_.swap(sorted);
}

void RecordList::ClearNextTimes() {
  for (auto& record : records_) record->nextTime.clear();
}

}  // namespace mirevo
