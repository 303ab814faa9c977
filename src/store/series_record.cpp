#include "store/series_record.h"

namespace mirevo {

const std::string* SeriesRecord::TextFieldByColumn(int column) const {
  switch (column) {
    case 1:
      return &airTime;
    case 2:
      return &name;
    case 6:
      return &updateTime;
    case 7:
      return &notes;
    case 8:
      return &previewPath;
    case 9:
      return &nextTime;
    case 10:
      return &keyword;
    case 11:
      return &earliestUpdate;
    default:
      return nullptr;
  }
}

std::string SeriesRecord::TextByColumn(int column) const {
  const std::string* field = TextFieldByColumn(column);
  return field ? *field : std::string();
}

int SeriesRecord::NumberByColumn(int column) const {
  switch (column) {
    case 0:
      return id;
    case 1:
      return weekday;
    case 3:
      return episode;
    case 4:
      return category;
    case 5:
      return rating;
    default:
      return 0;
  }
}

}  // namespace mirevo
