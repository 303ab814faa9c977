#include "store/record_list.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/gbk.h"

namespace mirevo {

SeriesRecord& RecordList::InsertNewRecord() {
  records_.emplace_front();
  return records_.front();
}

SeriesRecord& RecordList::AppendNewRecord() {
  records_.emplace_back();
  return records_.back();
}

RecordList::const_iterator RecordList::Find(const SeriesRecord& record) const {
  for (auto it = records_.begin(); it != records_.end(); ++it)
    if (&*it == &record) return it;
  return records_.end();
}

bool RecordList::Contains(const SeriesRecord& record) const {
  return Find(record) != records_.end();
}

void RecordList::Remove(const SeriesRecord& record) {
  auto it = Find(record);
  if (it != records_.end()) records_.erase(it);
}

void RecordList::MoveFrom(RecordList& source, const SeriesRecord& record) {
  auto it = source.Find(record);
  if (it != source.records_.end()) records_.splice(records_.begin(), source.records_, it);
}

// A key with both parts orders by the number, then the text; the list has
// always been ordered by two stable passes (text, then number), which equal
// one stable sort by (number, text), which is what runs here. The keys are copied next to each
// other first, so that the sort does not chase list nodes through memory; the nodes are then
// relinked in the sorted order without copying any record.
void RecordList::SortRecords(SortKey sortKey, bool descending) {
  if (records_.size() < 2) return;

  struct Key {
    std::string_view text;
    int number;
    std::uint32_t position;
  };
  std::vector<iterator> nodes;
  std::vector<Key> keys;
  nodes.reserve(records_.size());
  keys.reserve(records_.size());
  std::size_t textBytes = 0;
  for (auto it = records_.begin(); it != records_.end(); ++it) {
    const auto position = static_cast<std::uint32_t>(nodes.size());
    nodes.push_back(it);
    Key key{{}, SortNumber(*it, sortKey).value_or(0), position};
    if (const std::string* text = SortText(*it, sortKey)) {
      key.text = *text;  // repointed into the arena below
      textBytes += text->size();
    }
    keys.push_back(key);
  }
  // Each text as its sort key, side by side: the sort then compares plain
  // bytes.
  std::string arena(2 * textBytes, '\0');
  char* end = arena.data();
  for (Key& key : keys) {
    char* start = end;
    end = WriteSortKey(key.text, start);
    key.text = std::string_view(start, static_cast<std::size_t>(end - start));
  }

  // Equal keys keep their list order through the position: the result is
  // that of a stable sort.
  std::sort(keys.begin(), keys.end(), [descending](const Key& a, const Key& b) {
    int c = (a.number > b.number) - (a.number < b.number);
    if (c == 0) c = a.text.compare(b.text);
    if (c == 0) return a.position < b.position;
    return descending ? c > 0 : c < 0;
  });

  std::list<SeriesRecord> sorted;
  for (const Key& key : keys) sorted.splice(sorted.end(), records_, nodes[key.position]);
  records_.swap(sorted);
}

void RecordList::ClearNextTimes() {
  for (auto& record : records_) record.nextTime.clear();
}

}  // namespace mirevo
