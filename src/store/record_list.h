// An ordered list of works. Records enter at the head, so the most recently
// added or moved work comes first; the order is the order of the rows on
// screen and of the records in the data file. A record stays at the same
// address for as long as it exists, even when it moves to another list.
#pragma once

#include <cstddef>
#include <list>

#include "store/series_record.h"

namespace mirevo {

class RecordList {
 public:
  using iterator = std::list<SeriesRecord>::iterator;
  using const_iterator = std::list<SeriesRecord>::const_iterator;

  // A record with the defaults, linked in as the new head; the caller fills it.
  SeriesRecord& InsertNewRecord();
  // The same, linked in as the new tail: loading keeps the file's order.
  SeriesRecord& AppendNewRecord();

  // Removes (and destroys) this record; nothing when it is not in the list.
  void Remove(const SeriesRecord& record);

  // Moves this record from source to the head of this list, unchanged.
  // Nothing happens when source does not hold it.
  void MoveFrom(RecordList& source, const SeriesRecord& record);

  bool Contains(const SeriesRecord& record) const;

  // Stable sort by a key, ascending or descending.
  void SortRecords(SortKey key, bool descending);

  // Empties every next time (the finished tab shows none).
  void ClearNextTimes();

  bool empty() const { return records_.empty(); }
  std::size_t size() const { return records_.size(); }
  iterator begin() { return records_.begin(); }
  iterator end() { return records_.end(); }
  const_iterator begin() const { return records_.begin(); }
  const_iterator end() const { return records_.end(); }
  SeriesRecord& Head() { return records_.front(); }
  const SeriesRecord& Head() const { return records_.front(); }

 private:
  const_iterator Find(const SeriesRecord& record) const;

  std::list<SeriesRecord> records_;
};

}  // namespace mirevo
