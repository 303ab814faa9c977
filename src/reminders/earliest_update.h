// The earliest update: the quickest a work has ever been updated after its
// previous update, kept as the text "周二(火)20:30 86400" — the weekday name
// (8 bytes), the clock time of that update and, after a blank, the gap in
// seconds. The list shows the weekday and time; the rules read all three.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/clock.h"
#include "store/series_record.h"

namespace mirevo {

// What the list shows of the text: the weekday name and the clock time.
std::string_view EarliestUpdateShown(std::string_view text);

// The weekday name the text starts with; empty when the text is shorter.
std::string_view EarliestUpdateWeekday(std::string_view text);

// Called by the update command while the record still holds the previous
// update time: records the gap when it is the quickest so far (and longer
// than a minute, which would be a double click rather than an episode).
void RecordEarliestUpdate(SeriesRecord& record, const Clock& clock);

}  // namespace mirevo
