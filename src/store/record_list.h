// An ordered list of works. Records enter at the head, so the most recently
// added or moved work comes first; the order is the order of the rows on
// screen and of the records in the data file. A record stays at the same
// address for as long as it exists, even when it moves to another list.
//
// Each record lives on its own; the list keeps their addresses in order. A
// walk over the list then knows every address ahead of time, so the memory
// of many records is fetched side by side instead of one link after another,
// and a sort reorders addresses only.
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

#include "store/series_record.h"

namespace mirevo {

class RecordList {
  using Slots = std::vector<std::unique_ptr<SeriesRecord>>;

  // Walks the records themselves, not the slots that own them.
  template <typename Slot, typename Record>
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = SeriesRecord;
    using difference_type = std::ptrdiff_t;
    using pointer = Record*;
    using reference = Record&;

    Iterator() = default;
    explicit Iterator(Slot slot) : slot_(slot) {}
    Record& operator*() const { return **slot_; }
    Record* operator->() const { return slot_->get(); }
    Iterator& operator++() {
      ++slot_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++slot_;
      return old;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.slot_ == b.slot_; }
    friend bool operator!=(const Iterator& a, const Iterator& b) { return a.slot_ != b.slot_; }

   private:
    Slot slot_{};
  };

 public:
  using iterator = Iterator<Slots::iterator, SeriesRecord>;
  using const_iterator = Iterator<Slots::const_iterator, const SeriesRecord>;

  RecordList() = default;
  // A copy holds copies of the records, in the same order.
  RecordList(const RecordList& other);
  RecordList& operator=(const RecordList& other);
  RecordList(RecordList&&) noexcept = default;
  RecordList& operator=(RecordList&&) noexcept = default;
  ~RecordList() = default;

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
  iterator begin() { return iterator(records_.begin()); }
  iterator end() { return iterator(records_.end()); }
  const_iterator begin() const { return const_iterator(records_.begin()); }
  const_iterator end() const { return const_iterator(records_.end()); }
  SeriesRecord& Head() { return *records_.front(); }
  const SeriesRecord& Head() const { return *records_.front(); }

 private:
  // The record's place, or size() when the list does not hold it.
  std::size_t IndexOf(const SeriesRecord& record) const;

  Slots records_;
};

}  // namespace mirevo
