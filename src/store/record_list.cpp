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

void RecordList::ReverseOrder() {
  records_.reverse();
}

void RecordList::RemoveById(int id) {
  auto it = std::find_if(records_.begin(), records_.end(),
                         [id](const SeriesRecord& r) { return r.id == id; });
  if (it != records_.end()) records_.erase(it);
}

void RecordList::MoveFromList(RecordList& source, int id) {
  auto it = std::find_if(source.records_.begin(), source.records_.end(),
                         [id](const SeriesRecord& r) { return r.id == id; });
  if (it != source.records_.end()) records_.splice(records_.begin(), source.records_, it);
}

// Header clicks order by the column's text key, then (for number columns) by
// its number key; column 1 thus orders by weekday and, within a weekday, by air
// time. Two stable passes equal one stable sort by (number, text), which is
// what runs here. The keys are copied next to each other first, so that the
// sort does not chase list nodes through memory; the nodes are then relinked
// in the sorted order without copying any record.
void RecordList::SortRecords(int column, bool descending) {
  const bool byText = IsTextColumn(column);
  const bool byNumber = IsNumberColumn(column);
  if (records_.size() < 2 || (!byText && !byNumber)) return;

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
    Key key{{}, byNumber ? it->NumberByColumn(column) : 0, position};
    if (byText) {
      const std::string& text = *it->TextFieldByColumn(column);
      key.text = text;  // repointed into the arena below
      textBytes += text.size();
    }
    keys.push_back(key);
  }
  std::string arena;
  if (byText) {
    arena.reserve(textBytes);
    for (Key& key : keys) {
      const char* copy = arena.data() + arena.size();
      arena.append(key.text);
      key.text = std::string_view(copy, key.text.size());
    }
  }

  // Equal keys keep their list order through the position: the result is
  // that of a stable sort.
  std::sort(keys.begin(), keys.end(), [descending](const Key& a, const Key& b) {
    int c = (a.number > b.number) - (a.number < b.number);
    if (c == 0) c = CompareText(a.text, b.text);
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

SeriesRecord* RecordList::FindById(int id) {
  for (auto& record : records_)
    if (record.id == id) return &record;
  return nullptr;
}

const SeriesRecord* RecordList::FindById(int id) const {
  return const_cast<RecordList*>(this)->FindById(id);
}

}  // namespace mirevo
