#include "store/reminder_settings.h"

#include "text/gbk.h"

namespace mirevo {

std::string FormatColorSet(const ReminderSettings& settings) {
  std::string text;
  for (const ReminderRule& rule : settings.rules) {
    text += rule.enabled == 1 ? '1' : '0';
    text += std::to_string(rule.colour);
    text += '#';
  }
  return text;
}

bool ParseColorSet(std::string_view text, ReminderSettings& settings) {
  std::size_t pos = 0;
  for (ReminderRule& rule : settings.rules) {
    std::size_t hash = text.find('#', pos);
    if (hash == std::string_view::npos) return false;
    // The first byte is the switch digit, unless the group is empty.
    int enabled = 0;
    std::size_t colourStart = pos;
    if (pos < hash) {
      char digit = text[pos];
      enabled = digit >= '0' && digit <= '9' ? digit - '0' : 0;
      colourStart = pos + 1;
    }
    rule.enabled = enabled;
    rule.colour = ReadAtoi(text.substr(colourStart, hash - colourStart));
    pos = hash + 1;
  }
  return true;
}

}  // namespace mirevo
