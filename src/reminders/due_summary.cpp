#include "reminders/due_summary.h"

#include <array>

#include "reminders/due_rules.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

// The balloon holds 255 bytes; a text this long is cut before it overflows.
constexpr std::size_t kCutTrigger = 250;
constexpr std::size_t kCutLength = 240;
constexpr char kCutMark[] = "\n……以下省略";

// One digit of "tipshowtype" per section: the section is on when
// N mod modulus (no modulus for the leading digit) reaches atLeast.
struct Section {
  int modulus;
  int atLeast;
  const char* header;
  int list;
};

constexpr std::array<Section, 5> kSections{{
    {0, 10000, "===动画===\n", kAnime},
    {10000, 1000, "===漫画===\n", kManga},
    {1000, 100, "===OVA====\n", kOva},
    {100, 10, "===日剧===\n", kDrama},
    {10, 1, "===期待===\n", kAwaitedList},
}};

bool IsSelected(const Section& section, int tipShowType) {
  const int digits = section.modulus == 0 ? tipShowType : tipShowType % section.modulus;
  return digits >= section.atLeast;
}

}  // namespace

std::string ListDueLines(const RecordList& list, std::string_view threshold) {
  std::string lines;
  for (const SeriesRecord& record : list) {
    if (!IsNextTimeDue(record.nextTime, threshold)) continue;
    lines += record.name;
    lines += "     ";
    lines += std::to_string(static_cast<long long>(record.episode) + 1);
    lines += '\n';
  }
  return lines;
}

std::string BuildDueSummary(const RecordStore& store, int tipShowType, std::string_view threshold) {
  std::string text;
  for (const Section& section : kSections) {
    if (!IsSelected(section, tipShowType)) continue;
    text += section.header;
    text += ListDueLines(store.lists[section.list], threshold);
    if (text.size() >= kCutTrigger) {
      // Never end inside a two-byte character: half a character would show
      // as garbage and swallow the first byte of the mark.
      text.resize(CharBoundaryAtOrBelow(text, kCutLength));
      text += kCutMark;
      break;
    }
  }
  return text;
}

}  // namespace mirevo
