// TimeText: a local time as exactly 16 bytes "YYYY-MM-DD HH:MM", zero-padded,
// so that byte order is time order. Seconds are never kept.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/clock.h"

namespace mirevo {

inline constexpr std::size_t kTimeTextLength = 16;
inline constexpr std::size_t kDateLength = 10;  // "YYYY-MM-DD"
inline constexpr std::string_view kUnknownTime = "Unknown";

// "周日(日)" .. "周六(土)", 8 GBK bytes each, indexed 0 = Sunday.
const std::array<std::string, 7>& WeekdayNames();

// The local time as a TimeText; empty when the time has no local form.
std::string FormatTimeText(std::time_t time);

// The clock's now as a TimeText: the stamp of an update.
std::string CurrentTimeText(const Clock& clock);

// The local time a TimeText names. Missing fields of a short text read as 0;
// nothing past the text is read. The C library decides daylight saving.
// Returns -1 when the C library cannot represent the time.
std::time_t ParseTimeText(std::string_view text);

// The same local clock time seven calendar days later, so a week that crosses
// a daylight-saving change keeps its clock time. Empty when the text names no
// representable time.
std::string AddOneWeek(std::string_view text);

// AddOneWeek for the many texts of one fill of the list, with the same
// results. The C library's local time is costly, so each calendar day met is
// asked about once: on a day whose local clock runs its plain 24 hours, a
// well-formed text a week before it needs only calendar arithmetic. Texts
// landing on a daylight-saving change, or not well formed, go to AddOneWeek.
// Made for one moment: a changed time zone needs a new one.
class WeekAhead {
 public:
  std::string Add(std::string_view text);

 private:
  std::unordered_map<std::int64_t, bool> plainDays_;  // by days since 1970-01-01
};

}  // namespace mirevo
