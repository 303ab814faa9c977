// The twelve columns of the main list: what each shows, its title and
// alignment, its width when the settings file names none, and the key the
// list is ordered by when its header is clicked. The settings file keeps the
// widths under the column numbers ("0".."11").
#pragma once

#include <array>
#include <string_view>

#include "store/series_record.h"

namespace mirevo {

enum ListColumn : int {
  kColumnId = 0,  // hidden by default: the record's id
  kColumnAirTime,
  kColumnName,
  kColumnEpisode,
  kColumnCategory,
  kColumnRating,
  kColumnUpdateTime,
  kColumnNotes,
  kColumnPreviewPath,
  kColumnNextTime,
  kColumnKeyword,
  kColumnEarliestUpdate,
  kColumnCount,
};

enum class ColumnAlign { kLeft, kRight, kCentre };

struct ColumnInfo {
  std::string_view title;  // GBK
  ColumnAlign align;
  int defaultWidth;  // pixels; 0 hides the column
  SortKey sortKey;
};

inline constexpr std::array<ColumnInfo, kColumnCount> kListColumns{{
    {"No", ColumnAlign::kLeft, 0, SortKey::kId},
    {"播放时间", ColumnAlign::kLeft, 90, SortKey::kAirTime},
    {"名称", ColumnAlign::kLeft, 202, SortKey::kName},
    {"集数", ColumnAlign::kRight, 36, SortKey::kEpisode},
    {"类型", ColumnAlign::kCentre, 36, SortKey::kCategory},
    {"评价", ColumnAlign::kLeft, 49, SortKey::kRating},
    {"更新时间", ColumnAlign::kLeft, 110, SortKey::kUpdateTime},
    {"备注", ColumnAlign::kLeft, 80, SortKey::kNotes},
    {"预览图路径", ColumnAlign::kLeft, 100, SortKey::kPreviewPath},
    {"次回时间", ColumnAlign::kLeft, 110, SortKey::kNextTime},
    {"关键词", ColumnAlign::kLeft, 100, SortKey::kKeyword},
    {"最早更新", ColumnAlign::kLeft, 90, SortKey::kEarliestUpdate},
}};

using ColumnWidths = std::array<int, kColumnCount>;

constexpr ColumnWidths DefaultColumnWidths() {
  ColumnWidths widths{};
  for (int column = 0; column < kColumnCount; ++column)
    widths[column] = kListColumns[column].defaultWidth;
  return widths;
}

}  // namespace mirevo
