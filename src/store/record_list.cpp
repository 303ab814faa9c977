#include "store/record_list.h"

#include <algorithm>

#include "text/gbk.h"

namespace mirevo {

SeriesRecord& RecordList::InsertNewRecord() {
  records_.emplace_front();
  return records_.front();
}

void RecordList::ReverseOrder() { records_.reverse(); }

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
// time. std::list::sort is a stable merge sort, so equal keys keep their order
// in both directions.
void RecordList::SortRecords(int column, bool descending) {
  if (records_.size() < 2) return;
  if (IsTextColumn(column)) {
    records_.sort([column, descending](const SeriesRecord& a, const SeriesRecord& b) {
      int c = CompareText(*a.TextFieldByColumn(column), *b.TextFieldByColumn(column));
      return descending ? c > 0 : c < 0;
    });
  }
  if (IsNumberColumn(column)) {
    records_.sort([column, descending](const SeriesRecord& a, const SeriesRecord& b) {
      int x = a.NumberByColumn(column);
      int y = b.NumberByColumn(column);
      return descending ? x > y : x < y;
    });
  }
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
