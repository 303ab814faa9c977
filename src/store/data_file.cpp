#include "store/data_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <span>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "text/gbk.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mirevo {
namespace {

constexpr char kDataDamaged[] = "mvd文件内部出错,此时请不要按保存按钮";
constexpr char kFileError[] = "文件错误";

// The list a "T" value names and the category it gives, or false when the
// value names no list or a category that list cannot hold.
bool ListAndCategory(int t, int& list, int& category) {
  if (t >= 0 && t <= 3) {
    list = t;
    category = t;
    return true;
  }
  category = t % 10;
  if (t >= 10 && t <= 19) {
    list = kFinishedList;
    return IsRunningCategory(category);
  }
  if (t >= 20) {
    list = kAwaitedList;
    return IsRunningCategory(category) || category == kCategoryNotChosen;
  }
  return false;
}

// Where the values of a text end: at the first ";" that is followed by the
// end of the text or by one byte and "=". Any other ";" belongs to the value,
// except the last ";" of the text: what follows it cannot be a value's end,
// so it is left to be read (and reported) as a damaged entry.
//
// The ends are found for the whole text first, as one bit per byte, sixteen
// bytes at a time; reading then steps through the bits (EndCursor) instead
// of walking each value's bytes.
class ValueEnds {
 public:
  explicit ValueEnds(std::string_view text)
      : text_(text), bits_(text.size() / 64 + 1), lastSemicolon_(text.rfind(';')) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i semicolons = _mm_set1_epi8(';');
    const __m128i equals = _mm_set1_epi8('=');
    // Sixteen bytes' ends as sixteen bits.
    const auto endsAt = [&](std::size_t at) {
      const auto* here = reinterpret_cast<const __m128i*>(text.data() + at);
      const auto* twoOn = reinterpret_cast<const __m128i*>(text.data() + at + 2);
      const int ends = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(here), semicolons)) &
                       _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(twoOn), equals));
      return std::uint64_t{static_cast<std::uint16_t>(ends)};
    };
    // A whole word of bits at a time while the text lasts, then sixteen.
    for (; i + 66 <= text.size(); i += 64)
      bits_[i / 64] =
          endsAt(i) | endsAt(i + 16) << 16 | endsAt(i + 32) << 32 | endsAt(i + 48) << 48;
    for (; i + 18 <= text.size(); i += 16) bits_[i / 64] |= endsAt(i) << (i % 64);
#endif
    for (; i < text.size(); ++i)
      if (text[i] == ';' && (i + 1 == text.size() || (i + 2 < text.size() && text[i + 2] == '=')))
        bits_[i / 64] |= std::uint64_t{1} << (i % 64);
  }

  // The end of the value that starts at q, or npos when it runs to the end
  // of the text without a ";".
  // (Out of line: the reading asks it only where text is damaged, and the
  // cursor it then serves stays in registers.)
  [[gnu::noinline]] std::size_t From(std::size_t q) const {
    if (q < text_.size() && text_[q] == ';') return q;
    std::size_t word = q / 64;
    std::uint64_t bits = bits_[word] & (~std::uint64_t{0} << (q % 64));
    while (bits == 0) {
      if (++word == bits_.size())
        return lastSemicolon_ != std::string_view::npos && lastSemicolon_ >= q
                   ? lastSemicolon_
                   : std::string_view::npos;
      bits = bits_[word];
    }
    return word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
  }

  std::span<const std::uint64_t> Words() const {
    return bits_;
  }

 private:
  std::string_view text_;
  std::vector<std::uint64_t> bits_;
  std::size_t lastSemicolon_;
};

// ValueEnds::From for values asked for in the order they come, each past
// the end found before it. The tag and "=" before a value are never an end,
// so a value's end is nearly always the next end left: stepping to it takes
// a couple of bit operations, where finding it from the value's start would
// wait on the position the previous value gave.
class EndCursor {
 public:
  // Gives the ends from position on.
  explicit EndCursor(const ValueEnds& ends, std::size_t position = 0)
      : ends_(&ends), word_(ends.Words().data()), lastWord_(&ends.Words().back()) {
    Seek(position);
  }

  // Sets end to the end of the value that starts at q in text, the text the
  // ends were found in; false when the value runs to the end of the text
  // without one. The byte at q is read, and q may be the text's size: the
  // text must be a string's, whose terminator lies there.
  [[gnu::always_inline]] bool Find(std::string_view text, std::size_t q, std::size_t& end) {
    end = Next();
    // Not the next end: damaged text passed over ends, or a ";" at q ends an
    // empty value before it.
    // (Unsigned: an end before q, or none, lies far past the text. One
    // branch for both, as numbers: they are nearly never so.)
    const int passedOver = end - q >= text.size();
    const int semicolonFirst = (end != q) & (text.data()[q] == ';');
    if (passedOver | semicolonFirst) [[unlikely]] {
      end = ends_->From(q);
      Seek(end == std::string_view::npos ? text.size() : end + 1);
      return end != std::string_view::npos;
    }
    return true;
  }

 private:
  // The next end left, taken, or npos when none is.
  [[gnu::always_inline]] std::size_t Next() {
    if (left_ == 0) [[unlikely]] {
      do {
        if (word_ == lastWord_) return std::string_view::npos;
        left_ = *++word_;
        base_ += 64;
      } while (left_ == 0);
    }
    const std::size_t end = base_ + static_cast<unsigned>(std::countr_zero(left_));
    left_ &= left_ - 1;
    return end;
  }

  // The ends from position on are left.
  void Seek(std::size_t position) {
    const std::span<const std::uint64_t> words = ends_->Words();
    word_ = &words[position / 64];
    base_ = position / 64 * 64;
    left_ = *word_ & (~std::uint64_t{0} << (position % 64));
  }

  const ValueEnds* ends_;
  const std::uint64_t* word_;  // the word of the ends being given out
  const std::uint64_t* lastWord_;
  std::size_t base_ = 0;    // the position of its first bit
  std::uint64_t left_ = 0;  // its ends not yet given
};

// ReadAtoi's number, found directly for the plain digits that nearly every
// number of the file is.
[[gnu::always_inline]] inline int ReadNumber(std::string_view value) {
  constexpr std::size_t kPlainDigits = 9;  // never more than INT_MAX
  if (value.empty() || value.size() > kPlainDigits) return ReadAtoi(value);
  int number = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return ReadAtoi(value);
    number = number * 10 + (c - '0');
  }
  return number;
}

// The entries of one record after its "T", in the order they are written.
// "c" packs the three reminder flags into one number.
enum class FieldKind { kNumber, kText, kFlags };

struct Field {
  char tag;
  FieldKind kind;
  int SeriesRecord::*number;
  RecordText SeriesRecord::*text;
};

constexpr Field Number(char tag, int SeriesRecord::*member) {
  return {tag, FieldKind::kNumber, member, nullptr};
}
constexpr Field Text(char tag, RecordText SeriesRecord::*member) {
  return {tag, FieldKind::kText, nullptr, member};
}

constexpr Field kFields[] = {
    Number('N', &SeriesRecord::id),
    Number('w', &SeriesRecord::weekday),
    Text('t', &SeriesRecord::airTime),
    Text('n', &SeriesRecord::name),
    Number('v', &SeriesRecord::episode),
    Number('s', &SeriesRecord::rating),
    Text('d', &SeriesRecord::updateTime),
    Text('m', &SeriesRecord::notes),
    Text('p', &SeriesRecord::previewPath),
    Text('D', &SeriesRecord::nextTime),
    Text('k', &SeriesRecord::keyword),
    Text('W', &SeriesRecord::earliestUpdate),
    {'c', FieldKind::kFlags, nullptr, nullptr},
};

// The table's entry of each tag byte, looked up once per entry of the file.
constexpr auto kFieldOfTag = [] {
  std::array<const Field*, 256> fields{};
  for (const Field& field : kFields) fields[static_cast<unsigned char>(field.tag)] = &field;
  return fields;
}();

const Field* FindField(char tag) {
  return kFieldOfTag[static_cast<unsigned char>(tag)];
}

int PackedFlags(const SeriesRecord& r) {
  return r.weekdayDue.value * 100 + r.earliestDue.value * 10 + r.manualNextTime.value;
}

void UnpackFlags(int value, SeriesRecord& r) {
  // A negative number, which the program never writes, has no flag on. Kept
  // as its negative digits, the flags would pack into a number that reads
  // back differently once the due rules turn one of them on.
  // (Unsigned, so that the divisions are multiplications.)
  const unsigned flags = value < 0 ? 0 : static_cast<unsigned>(value);
  r.weekdayDue = {static_cast<int>(flags / 100)};
  r.earliestDue = {static_cast<int>(flags % 100 / 10)};
  r.manualNextTime = {static_cast<int>(flags % 10)};
}

constexpr std::size_t kMaxDigits = 11;  // "-2147483648"

// The bytes to_chars writes for a value.
std::size_t DecimalDigits(int value) {
  std::size_t digits = value < 0 ? 2 : 1;
  // Through unsigned, so that the most negative value has a magnitude.
  auto magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  while (magnitude >= 10) {
    magnitude /= 10;
    ++digits;
  }
  return digits;
}

// Writes entries one after another into a buffer that the caller made as
// large as RecordBytes of the records to come.
class EntryWriter {
 public:
  explicit EntryWriter(char* out) : out_(out) {}

  void Number(char tag, int value) {
    *out_++ = tag;
    *out_++ = '=';
    // Most numbers of a record (weekday, stars, flags) are one digit.
    if (value >= 0 && value <= 9)
      *out_++ = static_cast<char>('0' + value);
    else
      out_ = std::to_chars(out_, out_ + kMaxDigits, value).ptr;
    *out_++ = ';';
  }

  void Text(char tag, std::string_view value) {
    *out_++ = tag;
    *out_++ = '=';
    Copy(value);
    out_ += value.size();
    *out_++ = ';';
  }

  char* Position() const { return out_; }

 private:
  // Most texts of a record are short: those are copied here, in two moves
  // that may overlap, rather than by a call into the C runtime for each
  // (under Wine, its memcpy is a call into a DLL).
  void Copy(std::string_view value) {
    const char* in = value.data();
    const std::size_t size = value.size();
    if (size >= 8 && size <= 16) {
      std::uint64_t head;
      std::uint64_t tail;
      std::memcpy(&head, in, 8);
      std::memcpy(&tail, in + size - 8, 8);
      std::memcpy(out_, &head, 8);
      std::memcpy(out_ + size - 8, &tail, 8);
    } else if (size < 8) {
      for (std::size_t i = 0; i < size; ++i) out_[i] = in[i];
    } else {
      std::memcpy(out_, in, size);
    }
  }

  char* out_;
};

// What WriteFields writes of a record after its "T" entry; each entry is
// its tag, "=", its value and ";".
std::size_t FieldBytes(const SeriesRecord& r) {
  std::size_t size = 0;
  for (const Field& field : kFields) {
    switch (field.kind) {
      case FieldKind::kNumber:
        size += 3 + DecimalDigits(r.*field.number);
        break;
      case FieldKind::kText:
        size += 3 + (r.*field.text).size();
        break;
      case FieldKind::kFlags:
        size += 3 + DecimalDigits(PackedFlags(r));
        break;
    }
  }
  return size;
}

void WriteFields(EntryWriter& writer, const SeriesRecord& r) {
  for (const Field& field : kFields) {
    switch (field.kind) {
      case FieldKind::kNumber:
        writer.Number(field.tag, r.*field.number);
        break;
      case FieldKind::kText:
        writer.Text(field.tag, r.*field.text);
        break;
      case FieldKind::kFlags:
        writer.Number(field.tag, PackedFlags(r));
        break;
    }
  }
}

// The "T" value of a record on a list: the category, plus 10 on the
// finished list and 20 on the awaited one.
int ListTagValue(int list, int category) {
  return category + (list == kFinishedList ? 10 : list == kAwaitedList ? 20 : 0);
}

// What WriteRecord writes of a record on a list: its "T" entry and the rest.
std::size_t RecordBytes(int list, const SeriesRecord& r) {
  return 3 + DecimalDigits(ListTagValue(list, r.category)) + FieldBytes(r);
}

void WriteRecord(EntryWriter& writer, int list, const SeriesRecord& r) {
  writer.Number('T', ListTagValue(list, r.category));
  WriteFields(writer, r);
}

// A field's value into the record. Inlined, so that with a field known
// ahead only its own kind's line is left.
[[gnu::always_inline]] inline void ReadValue(const Field& field, std::string_view value,
                                             SeriesRecord& record) {
  switch (field.kind) {
    case FieldKind::kNumber:
      record.*field.number = ReadNumber(value);
      break;
    case FieldKind::kText:
      (record.*field.text).Borrow(value);
      break;
    case FieldKind::kFlags:
      UnpackFlags(ReadNumber(value), record);
      break;
  }
}

// One entry of the field kFields[Index] at p, read into the record; false,
// and nothing read, when the entry at p is another one or has no end.
template <std::size_t Index>
bool ReadFieldAt(std::string_view text, EndCursor& ends, std::size_t& p, SeriesRecord& record) {
  constexpr Field kField = kFields[Index];
  // The tag and "=" compared as one two-byte number.
  constexpr auto kEntryStart = std::bit_cast<std::uint16_t>(std::array{kField.tag, '='});
  if (p + 1 >= text.size()) return false;
  std::uint16_t start;
  std::memcpy(&start, text.data() + p, sizeof start);
  if (start != kEntryStart) return false;
  std::size_t e;
  if (!ends.Find(text, p + 2, e)) return false;
  ReadValue(kField, std::string_view(text.data() + p + 2, e - p - 2), record);
  p = e + 1;
  return true;
}

// Reads the entries after a record's "T" for as long as they come in the
// order the program writes them, and returns where the first other entry
// starts. The general loop reads from there, the same way: this is its
// quicker path for the usual file, where every field is known ahead.
// (A function of its own, stepping a copy of the cursor: the cursor then
// stays in registers from field to field instead of going through memory.)
template <std::size_t... Index>
[[gnu::noinline, gnu::hot]] std::size_t ReadFieldsInOrder(std::string_view text, EndCursor& ends,
                                                          std::size_t p, SeriesRecord& record,
                                                          std::index_sequence<Index...>) {
  EndCursor here = ends;
  (ReadFieldAt<Index>(text, here, p, record) && ...);
  ends = here;
  return p;
}

// What reading a run of entries has found, beyond the records themselves.
struct Reading {
  RecordStore& store;
  std::vector<std::string>& messages;
  std::array<bool, kListCount> borrowed{};
  SeriesRecord* current = nullptr;
  // Entries before the first "T" have no record to go to; they, and records
  // of a kind without a tab, are reported once per file, not once each.
  bool orphansReported = false;
  std::size_t unknownKindMessage = kNone;  // where that report is in messages

  static constexpr std::size_t kNone = std::string_view::npos;
};

// Reads the entries that start before limit, from p on, and returns where
// the first entry it did not read starts: limit or past it, or, where
// damage stopped the reading, before it.
std::size_t ReadEntries(std::string_view text, EndCursor& ends, std::size_t p, std::size_t limit,
                        Reading& reading) {
  RecordStore& store = reading.store;
  std::vector<std::string>& messages = reading.messages;
  while (p < limit) {
    const char tag = text[p];
    if (p + 1 >= text.size() || text[p + 1] != '=') {
      messages.emplace_back(kDataDamaged);
      break;
    }
    const std::size_t q = p + 2;
    std::size_t e;
    if (!ends.Find(text, q, e)) {
      messages.emplace_back(kDataDamaged);
      break;
    }
    const std::string_view value = text.substr(q, e - q);
    p = e + 1;

    if (tag == 'T') {
      int list = 0;
      int category = 0;
      if (!ListAndCategory(ReadNumber(value), list, category)) {
        // A kind the program has no tab for: the work is kept, awaiting a
        // kind, which its first "更新" asks for. The file is reported as
        // damaged (once), so that it is kept aside before the next save.
        list = kAwaitedList;
        category = kCategoryNotChosen;
        if (reading.unknownKindMessage == Reading::kNone) {
          reading.unknownKindMessage = messages.size();
          messages.emplace_back(kDataDamaged);
        }
      }
      SeriesRecord* current = &store.lists[list].AppendNewRecord();
      reading.current = current;
      reading.borrowed[list] = true;
      current->category = category;
      p = ReadFieldsInOrder(text, ends, p, *current,
                            std::make_index_sequence<std::size(kFields)>());
      if (current->id > store.idCounter) store.idCounter = current->id;
      continue;
    }
    const Field* field = FindField(tag);
    if (field == nullptr) {
      messages.emplace_back(kFileError);
      continue;
    }
    if (reading.current == nullptr) {
      if (!reading.orphansReported) messages.emplace_back(kFileError);
      reading.orphansReported = true;
      continue;
    }
    ReadValue(*field, value, *reading.current);
    if (tag == 'N' && reading.current->id > store.idCounter) store.idCounter = reading.current->id;
  }
  return p;
}

// Where the second half of a text starts: at the first record that starts
// in it. npos when none does.
std::size_t SecondHalf(std::string_view text, const ValueEnds& ends) {
  for (std::size_t e = ends.From(text.size() / 2);
       e != std::string_view::npos && e + 2 < text.size(); e = ends.From(e + 1))
    if (text[e + 1] == 'T' && text[e + 2] == '=') return e + 1;
  return std::string_view::npos;
}

// Adds what reading the second half found to the first half's: its records
// after the first half's on each list, its messages after the first half's,
// the report of an unknown kind once.
void JoinHalves(Reading& first, Reading& second) {
  for (int list = 0; list < kListCount; ++list) {
    first.store.lists[list].MoveAllFrom(second.store.lists[list]);
    first.borrowed[list] = first.borrowed[list] || second.borrowed[list];
  }
  first.store.idCounter = std::max(first.store.idCounter, second.store.idCounter);
  for (std::size_t i = 0; i < second.messages.size(); ++i)
    if (i != second.unknownKindMessage || first.unknownKindMessage == Reading::kNone)
      first.messages.push_back(std::move(second.messages[i]));
}

}  // namespace

std::vector<std::string> ParseData(std::string bytes, RecordStore& store, std::size_t halvesFrom) {
  const auto kept = std::make_shared<const std::string>(std::move(bytes));
  const std::string_view text = *kept;
  const ValueEnds valueEnds(text);
  EndCursor ends(valueEnds);
  std::vector<std::string> messages;
  Reading reading{store, messages};
  std::size_t p = 0;
  const std::size_t half =
      text.size() >= halvesFrom ? SecondHalf(text, valueEnds) : std::string_view::npos;
  if (half != std::string_view::npos) {
    // The second half is read as if the file began there: a record starts
    // there, so it reads the same whatever came before. The halves join
    // when the first half's reading ends exactly there. Damage before it
    // ends the reading, as in one piece; a reading that ran on past it goes
    // on in one piece, and the second half's is dropped.
    RecordStore secondStore;
    std::vector<std::string> secondMessages;
    Reading second{secondStore, secondMessages};
    std::exception_ptr secondFailed;
    std::jthread reader;  // last: joined before what it reads into goes
    try {
      reader = std::jthread([&] {
        try {
          EndCursor from(valueEnds, half);
          ReadEntries(text, from, half, text.size(), second);
        } catch (...) {
          secondFailed = std::current_exception();
        }
      });
    } catch (const std::system_error&) {
      // No thread: the whole text is read here.
    }
    if (reader.joinable()) {
      p = ReadEntries(text, ends, 0, half, reading);
      reader.join();
      if (secondFailed) std::rethrow_exception(secondFailed);
      if (p == half) JoinHalves(reading, second);
      if (p <= half) p = text.size();  // read, or stopped by damage
    }
  }
  ReadEntries(text, ends, p, text.size(), reading);
  for (int list = 0; list < kListCount; ++list)
    if (reading.borrowed[list]) store.lists[list].KeepBytes(kept);
  return messages;
}

std::string FormatData(const RecordStore& store) {
  std::string out;
  FormatData(store, out);
  return out;
}

void FormatData(const RecordStore& store, std::string& out) {
  // The whole file is built in out, first made exactly its size, so that no
  // more memory is touched than the file needs.
  std::size_t size = 0;
  for (int index = 0; index < kListCount; ++index)
    for (const SeriesRecord& r : store.lists[index]) size += RecordBytes(index, r);
  out.resize(size);
  EntryWriter writer(out.data());
  for (int index = 0; index < kListCount; ++index)
    for (const SeriesRecord& r : store.lists[index]) WriteRecord(writer, index, r);
  // The sizes above are what keeps the writer inside the buffer.
  assert(writer.Position() == out.data() + out.size());
}

bool FormatDataInPieces(const RecordStore& store, std::size_t pieceBytes,
                        const PieceWriter& write) {
  std::vector<char> piece(pieceBytes);
  std::size_t used = 0;
  for (int index = 0; index < kListCount; ++index) {
    for (const SeriesRecord& r : store.lists[index]) {
      const std::size_t size = RecordBytes(index, r);
      if (used + size > piece.size()) {
        if (used > 0 && !write(std::string_view(piece.data(), used))) return false;
        used = 0;
        if (size > piece.size()) piece.resize(size);
      }
      EntryWriter writer(piece.data() + used);
      WriteRecord(writer, index, r);
      assert(writer.Position() == piece.data() + used + size);
      used += size;
    }
  }
  return used == 0 || write(std::string_view(piece.data(), used));
}

bool CanDataFileCarry(std::string_view text) {
  if (!text.empty() && text.front() == ';') return false;
  if (text.find('\0') != std::string_view::npos) return false;
  // The reader ends a value at a ";" that has "=" two bytes after it; no
  // GBK trail byte is ";" or "=", so a byte-wise look is exact.
  for (std::size_t i = 0; i + 2 < text.size(); ++i)
    if (text[i] == ';' && text[i + 2] == '=') return false;
  return true;
}

}  // namespace mirevo
