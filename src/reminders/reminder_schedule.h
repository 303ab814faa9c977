// Reminders that come by themselves: when the due picture can next change,
// so that the window waits for that moment with one timer instead of going
// over every row every minute, and which due works the user has already been
// shown, so that each newly due work brings the balloon back once.
//
// The window's part, at each moment (the timer, the clock set, the machine
// awake again): recolour the shown tab; if the window is hidden in the tray,
// the balloon switch is on and HasNewlyDue, show the summary and MarkSeen.
// Then, and after every change of settings or data, wait again for
// NextDueMoment.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <unordered_set>

#include "store/record_store.h"

namespace mirevo {

// The first moment after now at which a row's colour or the summary can
// change: the next local midnight (the weekday rule, the earliest-update rule
// and "updated today" turn then, and by the day every next time becomes due
// at one), or, by the minute, the start of the earliest next time still
// ahead. The finished list, never coloured nor summarised, is left out. It
// keeps no state: asked again after the clock was set back or the machine
// slept, it answers for the new now. One pass over the works comparing
// bytes, and a handful of time conversions in all. A next time not of the
// TimeText form (a damaged file: a wrong length, a byte out of place) gets no
// moment of its own; the next moment or midnight recolours it.
std::time_t NextDueMoment(const RecordStore& store, std::time_t now, bool byDay);

// The timer's wait from now until moment, in milliseconds (at most the ~24
// days a window timer takes); 0 for a moment already past, slept through or
// skipped by a clock put forward, which means: check at once.
std::uint32_t MillisecondsUntil(std::time_t moment, std::time_t now);

// The due works the summary listed when it was last shown, by whatever
// route: hiding the window, hovering over the tray icon, the menu, or by
// itself. A work is known by its id and next time, so one that was updated
// and is due again is news again.
class SeenDueWorks {
 public:
  // Whether the sections summarySections ("tipshowtype") selects hold a work
  // due at threshold that the summary did not list last time.
  bool HasNewlyDue(const RecordStore& store, int summarySections, std::string_view threshold) const;

  // Each time the summary is shown, with the sections and threshold it was
  // built with. Works the balloon's cut left out count as seen: the user was
  // told the list goes on, and they would otherwise bring the same balloon
  // back at every moment.
  void MarkSeen(const RecordStore& store, int summarySections, std::string_view threshold);

 private:
  std::unordered_set<std::string> seen_;
};

}  // namespace mirevo
