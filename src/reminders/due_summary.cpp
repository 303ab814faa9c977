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

// "tipshowtype" digit of each section.
constexpr std::array<int, kSummaryKindCount> kDigits{10000, 1000, 100, 10, 1};

constexpr std::array<const char*, kSummaryKindCount> kHeaders{
    "===动画===\n", "===漫画===\n", "===OVA====\n", "===日剧===\n", "===期待===\n",
};

}  // namespace

SummaryKinds SummaryKindsOf(int summarySections) {
  SummaryKinds kinds{};
  kinds[kSummaryAnime] = summarySections >= kDigits[kSummaryAnime];
  for (int kind = kSummaryManga; kind < kSummaryKindCount; ++kind)
    kinds[kind] = summarySections % (kDigits[kind] * 10) >= kDigits[kind];
  return kinds;
}

int SummarySectionsOf(const SummaryKinds& kinds) {
  int summarySections = 0;
  for (int kind = 0; kind < kSummaryKindCount; ++kind)
    if (kinds[kind]) summarySections += kDigits[kind];
  return summarySections;
}

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

std::string BuildDueSummary(const RecordStore& store, int summarySections,
                            std::string_view threshold) {
  std::string text;
  const SummaryKinds selected = SummaryKindsOf(summarySections);
  for (int kind = 0; kind < kSummaryKindCount; ++kind) {
    if (!selected[kind]) continue;
    text += kHeaders[kind];
    text += ListDueLines(store.lists[kSummaryLists[kind]], threshold);
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
