// The time dialog ("时间设置") without its window: a date and a time of day,
// and the checks that keep update times in the past and next times after
// the update time.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/clock.h"

namespace mirevo {

inline constexpr char kUpdateTimeLabel[] = "更新时间:";
inline constexpr char kNextTimeLabel[] = "次回时间:";
inline constexpr char kUpdateTimeInFuture[] = "更新时间不能大于当前系统时间!";
inline constexpr char kNextTimeBeforeUpdate[] = "次回时间不能小于更新时间!";

struct TimeForm {
  // In and out: a TimeText, "" or "Unknown".
  std::string editedText;
  // In: the update time the record dialog shows now.
  std::string updateTimeText;
  // The date picker and the time picker.
  int year = 2005;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;

  // Sets the pickers to the edited time, or to now for "" and "Unknown";
  // the clock is kept for the check on "确定".
  void Open(const Clock& clock);

  // Editing the update time itself: compared with now, "清零" not offered.
  bool IsUpdateTimeMode() const { return editedText == updateTimeText; }
  std::string_view Label() const { return IsUpdateTimeMode() ? kUpdateTimeLabel : kNextTimeLabel; }
  bool CanClear() const { return !IsUpdateTimeMode(); }

  // The pickers as YYYY-MM-DD HH:MM.
  std::string PickedText() const;

  // "确定": nullopt and the edited text set, or the message to show (the
  // dialog stays open).
  std::optional<std::string> Confirm();

  // "清零": no next time expected.
  void Clear();

 private:
  const Clock* clock_ = nullptr;
};

}  // namespace mirevo
