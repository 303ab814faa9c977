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
#include <string>
#include <vector>

#include "store/series_record.h"

namespace mirevo {

class RecordList {
  using Slots = std::vector<std::unique_ptr<SeriesRecord>>;

  // Walks the records themselves, not the slots that own them. Once a list
  // has been sorted its records lie anywhere in memory, so the walk asks for
  // the records and texts a few steps ahead while the caller works on this
  // one: a save or a fill then waits for memory once per walk, not once per
  // record and text.
  template <typename Slot, typename Record>
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = SeriesRecord;
    using difference_type = std::ptrdiff_t;
    using pointer = Record*;
    using reference = Record&;

    Iterator() = default;
    Iterator(Slot slot, Slot end) : slot_(slot), end_(end) {
      for (std::ptrdiff_t ahead = 0; ahead < kRecordsAhead && slot + ahead < end; ++ahead)
        FetchRecord(slot[ahead].get());
    }
    Record& operator*() const { return **slot_; }
    Record* operator->() const { return slot_->get(); }
    Iterator& operator++() {
      ++slot_;
      if (end_ - slot_ > kRecordsAhead) FetchRecord(slot_[kRecordsAhead].get());
      if (end_ - slot_ > kTextsAhead) FetchTexts(*slot_[kTextsAhead]);
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++*this;
      return old;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.slot_ == b.slot_; }
    friend bool operator!=(const Iterator& a, const Iterator& b) { return a.slot_ != b.slot_; }

   private:
    Slot slot_{};
    Slot end_{};
  };

  // How far ahead the walk fetches: the record first, its texts once the
  // record has come (their addresses are in it).
  static constexpr std::ptrdiff_t kRecordsAhead = 12;
  static constexpr std::ptrdiff_t kTextsAhead = 6;
  static void FetchRecord(const SeriesRecord* record) {
    for (std::size_t offset = 0; offset < sizeof(SeriesRecord); offset += 64)
      __builtin_prefetch(reinterpret_cast<const char*>(record) + offset);
  }
  static void FetchTexts(const SeriesRecord& record) {
    for (const RecordText* text : {&record.name, &record.notes, &record.updateTime,
                                   &record.nextTime, &record.earliestUpdate})
      __builtin_prefetch(text->data());
  }

 public:
  using iterator = Iterator<Slots::iterator, SeriesRecord>;
  using const_iterator = Iterator<Slots::const_iterator, const SeriesRecord>;

  RecordList() = default;
  // A copy holds copies of the records, in the same order, whose texts are
  // their own.
  RecordList(const RecordList& other);
  RecordList& operator=(const RecordList& other);
  RecordList(RecordList&&) noexcept = default;
  RecordList& operator=(RecordList&&) noexcept = default;
  ~RecordList() = default;

  // Keeps bytes that texts of this list's records borrow (a loaded data
  // file's) for as long as the list lives. A record moved to another list
  // takes the bytes along.
  void KeepBytes(std::shared_ptr<const std::string> bytes);

  // A record with the defaults, linked in as the new head; the caller fills it.
  SeriesRecord& InsertNewRecord();
  // The same, linked in as the new tail: loading keeps the file's order.
  SeriesRecord& AppendNewRecord();

  // Removes (and destroys) this record; nothing when it is not in the list.
  void Remove(const SeriesRecord& record);

  // Moves this record from source to the head of this list, unchanged.
  // Nothing happens when source does not hold it.
  void MoveFrom(RecordList& source, const SeriesRecord& record);
  // Moves every record of source, in order, to the tail of this list.
  void MoveAllFrom(RecordList& source);

  bool Contains(const SeriesRecord& record) const;

  // Stable sort by a key, ascending or descending.
  void SortRecords(SortKey key, bool descending);

  // Empties every next time (the finished tab shows none).
  void ClearNextTimes();

  bool empty() const { return records_.empty(); }
  std::size_t size() const { return records_.size(); }
  iterator begin() { return iterator(records_.begin(), records_.end()); }
  iterator end() { return iterator(records_.end(), records_.end()); }
  const_iterator begin() const { return const_iterator(records_.begin(), records_.end()); }
  const_iterator end() const { return const_iterator(records_.end(), records_.end()); }
  SeriesRecord& Head() { return *records_.front(); }
  const SeriesRecord& Head() const { return *records_.front(); }

 private:
  // The record's place, or size() when the list does not hold it.
  std::size_t IndexOf(const SeriesRecord& record) const;

  // Before the records: they go first.
  std::vector<std::shared_ptr<const std::string>> keptBytes_;
  Slots records_;
};

}  // namespace mirevo
