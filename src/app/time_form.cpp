#include "app/time_form.h"

#include <cstdio>
#include <ctime>

#include "reminders/time_text.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

std::string ComposeTimeText(int year, int month, int day, int hour, int minute) {
  char text[64];
  std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
  return text;
}

}  // namespace

void TimeForm::Open(const Clock& clock) {
  clock_ = &clock;
  std::time_t when = clock.Now();
  if (!editedText.empty() && editedText != kUnknownTime) {
    // A damaged text that names no time opens at now, like an empty one.
    std::time_t edited = ParseTimeText(editedText);
    if (edited != -1) when = edited;
  }
  std::tm local{};
  if (!ToLocalTime(when, local) && !ToLocalTime(clock.Now(), local)) return;
  year = local.tm_year + 1900;
  month = local.tm_mon + 1;
  day = local.tm_mday;
  hour = local.tm_hour;
  minute = local.tm_min;
}

std::string TimeForm::PickedText() const {
  return ComposeTimeText(year, month, day, hour, minute);
}

std::optional<std::string> TimeForm::Confirm() {
  std::string candidate = PickedText();
  if (IsUpdateTimeMode()) {
    // A form that was never opened has no now to compare with: the update
    // time cannot be shown to lie in the past.
    if (!clock_ || CompareText(candidate, CurrentTimeText(*clock_)) > 0) return kUpdateTimeInFuture;
  } else if (CompareText(candidate, updateTimeText) < 0) {
    return kNextTimeBeforeUpdate;
  }
  editedText = std::move(candidate);
  return std::nullopt;
}

void TimeForm::Clear() {
  editedText = kUnknownTime;
}

}  // namespace mirevo
