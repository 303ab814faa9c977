// The due summary shown as a balloon at the tray icon.
#pragma once

#include <string>
#include <string_view>

#include "store/record_list.h"
#include "store/record_store.h"

namespace mirevo {

inline constexpr char kDueSummaryTitle[] = "预计需更新列表:";
inline constexpr unsigned kDueSummaryTimeoutMs = 1000;

// One line "name     episode+1\n" per due work, in list order.
std::string ListDueLines(const RecordList& list, std::string_view threshold);

// The sections that tipShowType selects, cut below the balloon's limit at a
// character boundary.
std::string BuildDueSummary(const RecordStore& store, int tipShowType, std::string_view threshold);

}  // namespace mirevo
