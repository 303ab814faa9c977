// The three reminder rules' switches and row colours, and their text form as
// the settings file keeps it ("ColorSet").
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/switch.h"

namespace mirevo {

struct ReminderRule {
  Switch enabled;
  int colour = 0;  // Windows colour value 0x00BBGGRR
  bool operator==(const ReminderRule&) const = default;
};

enum ReminderRuleIndex : int {
  kNextTimeRule = 0,
  kWeekdayRule = 1,
  kEarliestUpdateRule = 2,
};

struct ReminderSettings {
  std::array<ReminderRule, 3> rules{{
      {kOn, 0xFF0000},   // next time reached: blue
      {kOff, 0x00FF00},  // airs today: green
      {kOff, 0x0000FF},  // earliest update today: red
  }};
  bool operator==(const ReminderSettings&) const = default;
};

// Three groups of switch digit, decimal colour and "#".
std::string FormatColorSet(const ReminderSettings& settings);

// Reads the groups; returns false (leaving the groups not reached untouched)
// when the text holds fewer than three "#".
bool ParseColorSet(std::string_view text, ReminderSettings& settings);

}  // namespace mirevo
