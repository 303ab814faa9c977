// The due summary shown as a balloon at the tray icon.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/record_list.h"
#include "store/record_store.h"

namespace mirevo {

inline constexpr char kDueSummaryTitle[] = "预计需更新列表:";
inline constexpr unsigned kDueSummaryTimeoutMs = 1000;

// The summary's sections, in the balloon's order and the settings page's;
// "tipshowtype" keeps one decimal digit for each, anime the ten-thousands,
// awaited the units.
enum SummaryKind : int {
  kSummaryAnime,
  kSummaryManga,
  kSummaryOva,
  kSummaryDrama,
  kSummaryAwaited
};
inline constexpr int kSummaryKindCount = 5;
using SummaryKinds = std::array<bool, kSummaryKindCount>;

// The record list (tab index) each section lists; the finished works have
// no section.
inline constexpr std::array<int, kSummaryKindCount> kSummaryLists{kAnime, kManga, kOva, kDrama,
                                                                  kAwaitedList};

// The sections summarySections selects: a section is on when its digit is set;
// the ten-thousands take whatever lies above them, so 20000 still means
// anime.
SummaryKinds SummaryKindsOf(int summarySections);
// The summary sections ("tipshowtype") that select exactly these kinds.
int SummarySectionsOf(const SummaryKinds& kinds);

// One line "name     episode+1\n" per due work, in list order.
std::string ListDueLines(const RecordList& list, std::string_view threshold);

// The sections that summarySections selects, cut below the balloon's limit at a
// character boundary.
std::string BuildDueSummary(const RecordStore& store, int summarySections,
                            std::string_view threshold);

}  // namespace mirevo
