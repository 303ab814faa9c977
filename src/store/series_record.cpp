#include "store/series_record.h"

namespace mirevo {

std::optional<int> SortNumber(const SeriesRecord& record, SortKey key) {
  switch (key) {
    case SortKey::kId:
      return record.id;
    case SortKey::kAirTime:
      return record.weekday;
    case SortKey::kEpisode:
      return record.episode;
    case SortKey::kCategory:
      return record.category;
    case SortKey::kRating:
      return record.rating;
    default:
      return std::nullopt;
  }
}

const RecordText* SortText(const SeriesRecord& record, SortKey key) {
  switch (key) {
    case SortKey::kAirTime:
      return &record.airTime;
    case SortKey::kName:
      return &record.name;
    case SortKey::kUpdateTime:
      return &record.updateTime;
    case SortKey::kNotes:
      return &record.notes;
    case SortKey::kPreviewPath:
      return &record.previewPath;
    case SortKey::kNextTime:
      return &record.nextTime;
    case SortKey::kKeyword:
      return &record.keyword;
    case SortKey::kEarliestUpdate:
      return &record.earliestUpdate;
    default:
      return nullptr;
  }
}

}  // namespace mirevo
