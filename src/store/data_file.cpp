#include "store/data_file.h"

#include <charconv>
#include <cstring>

#include "text/gbk.h"

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
    return category <= kDrama;
  }
  if (t >= 20) {
    list = kAwaitedList;
    return category <= kDrama || category == kCategoryNotChosen;
  }
  return false;
}

// End of the value that starts at q: the first ";" that is followed by the
// end of the text or by one byte and "=". Any other ";" belongs to the value,
// except the last ";" of the text: what follows it cannot be a value's end, so
// it is left to be read (and reported) as a damaged entry. npos when the value
// runs to the end without a ";".
std::size_t FindValueEnd(std::string_view text, std::size_t q) {
  if (q < text.size() && text[q] == ';') return q;
  for (std::size_t e = text.find(';', q); e != std::string_view::npos;) {
    if (e + 1 == text.size() || (e + 2 < text.size() && text[e + 2] == '=')) return e;
    std::size_t next = text.find(';', e + 1);
    if (next == std::string_view::npos) return e;
    e = next;
  }
  return std::string_view::npos;
}

// Entries are copied into a buffer sized up front, so the whole file is
// built without a reallocation or a per-entry capacity check.
class EntryWriter {
 public:
  explicit EntryWriter(char* out) : out_(out) {}

  void Text(char tag, std::string_view value) {
    *out_++ = tag;
    *out_++ = '=';
    std::memcpy(out_, value.data(), value.size());
    out_ += value.size();
    *out_++ = ';';
  }

  void Number(char tag, int value) {
    *out_++ = tag;
    *out_++ = '=';
    out_ = std::to_chars(out_, out_ + kMaxDigits, value).ptr;
    *out_++ = ';';
  }

  char* position() const { return out_; }

  static constexpr std::size_t kMaxDigits = 11;  // "-2147483648"

 private:
  char* out_;
};

}  // namespace

std::vector<std::string> ParseData(std::string_view text, RecordStore& store) {
  std::vector<std::string> messages;
  SeriesRecord* current = nullptr;
  // Entries without a record to go to (before the first "T", or after a "T"
  // that names no list) are reported once per run, not once per entry.
  bool orphansReported = false;
  std::size_t p = 0;
  while (p < text.size()) {
    const char tag = text[p];
    if (p + 1 >= text.size() || text[p + 1] != '=') {
      messages.emplace_back(kDataDamaged);
      break;
    }
    const std::size_t q = p + 2;
    const std::size_t e = FindValueEnd(text, q);
    if (e == std::string_view::npos) {
      messages.emplace_back(kDataDamaged);
      break;
    }
    const std::string_view value = text.substr(q, e - q);
    p = e + 1;

    if (tag == 'T') {
      const int v = ReadAtoi(value);
      int list = 0;
      int category = 0;
      if (ListAndCategory(v, list, category)) {
        current = &store.lists[list].InsertNewRecord();
        current->category = category;
        orphansReported = false;
      } else {
        current = nullptr;
        messages.emplace_back(kFileError);
        orphansReported = true;
      }
      continue;
    }
    static constexpr std::string_view kFieldTags = "NwvscmtndpDkW";
    if (kFieldTags.find(tag) == std::string_view::npos) {
      messages.emplace_back(kFileError);
      continue;
    }
    if (current == nullptr) {
      if (!orphansReported) messages.emplace_back(kFileError);
      orphansReported = true;
      continue;
    }
    SeriesRecord& r = *current;
    const bool numeric = tag == 'N' || tag == 'w' || tag == 'v' || tag == 's' || tag == 'c';
    const int v = numeric ? ReadAtoi(value) : 0;
    switch (tag) {
      case 'N':
        r.id = v;
        if (v > store.idCounter) store.idCounter = v;
        break;
      case 'w':
        r.weekday = v;
        break;
      case 'v':
        r.episode = v;
        break;
      case 's':
        r.rating = v;
        break;
      case 'c':
        r.weekdayDue = v / 100;
        r.earliestDue = (v % 100) / 10;
        r.manualNextTime = v % 10;
        break;
      case 't':
        r.airTime.assign(value);
        break;
      case 'n':
        r.name.assign(value);
        break;
      case 'd':
        r.updateTime.assign(value);
        break;
      case 'm':
        r.notes.assign(value);
        break;
      case 'p':
        r.previewPath.assign(value);
        break;
      case 'D':
        r.nextTime.assign(value);
        break;
      case 'k':
        r.keyword.assign(value);
        break;
      case 'W':
        r.earliestUpdate.assign(value);
        break;
    }
  }
  for (RecordList& list : store.lists) list.ReverseOrder();
  return messages;
}

std::string FormatData(const RecordStore& store) {
  // 14 tags, "=" and ";" each, room for 6 numbers, and the texts.
  constexpr std::size_t kFixed = 14 * 3 + 6 * EntryWriter::kMaxDigits;
  std::size_t size = 0;
  for (const RecordList& list : store.lists)
    for (const SeriesRecord& r : list)
      size += kFixed + r.airTime.size() + r.name.size() + r.updateTime.size() + r.notes.size() +
              r.previewPath.size() + r.nextTime.size() + r.keyword.size() + r.earliestUpdate.size();
  std::string out(size, '\0');
  EntryWriter writer(out.data());
  for (int index = 0; index < kListCount; ++index) {
    const int tOffset = index == kFinishedList ? 10 : index == kAwaitedList ? 20 : 0;
    for (const SeriesRecord& r : store.lists[index]) {
      writer.Number('T', r.category + tOffset);
      writer.Number('N', r.id);
      writer.Number('w', r.weekday);
      writer.Text('t', r.airTime);
      writer.Text('n', r.name);
      writer.Number('v', r.episode);
      writer.Number('s', r.rating);
      writer.Text('d', r.updateTime);
      writer.Text('m', r.notes);
      writer.Text('p', r.previewPath);
      writer.Text('D', r.nextTime);
      writer.Text('k', r.keyword);
      writer.Text('W', r.earliestUpdate);
      writer.Number('c', r.weekdayDue * 100 + r.earliestDue * 10 + r.manualNextTime);
    }
  }
  out.resize(static_cast<std::size_t>(writer.position() - out.data()));
  return out;
}

}  // namespace mirevo
