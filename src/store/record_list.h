// An ordered list of works. Records enter at the head, so the most recently
// added or moved work comes first; the order is the order of the rows on
// screen and of the records in the data file.
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

  void ReverseOrder();

  // Removes (and destroys) the first record with this id; nothing if none.
  void RemoveById(int id);

  // Moves the first record with this id from source to the head of this
  // list, unchanged. Nothing happens when source has no such record.
  void MoveFromList(RecordList& source, int id);

  // Stable sort by a list column's keys, as the column header orders it;
  // a column outside 0..11 changes nothing.
  void SortRecords(int column, bool descending);

  // Empties every next time (the finished tab shows none).
  void ClearNextTimes();

  SeriesRecord* FindById(int id);
  const SeriesRecord* FindById(int id) const;

  bool empty() const { return records_.empty(); }
  std::size_t size() const { return records_.size(); }
  iterator begin() { return records_.begin(); }
  iterator end() { return records_.end(); }
  const_iterator begin() const { return records_.begin(); }
  const_iterator end() const { return records_.end(); }
  SeriesRecord& Head() { return records_.front(); }
  const SeriesRecord& Head() const { return records_.front(); }

 private:
  std::list<SeriesRecord> records_;
};

}  // namespace mirevo
