#include "store/reminder_settings.h"

#include "text/gbk.h"

namespace mirevo {

std::string FormatColorSet(const ReminderSettings& settings) {
  std::string text;
  for (const ReminderRule& rule : settings.rules) {
    text += rule.enabled.On() ? '1' : '0';
    text += std::to_string(rule.colour);
    text += '#';
  }
  return text;
}

bool ParseColorSet(std::string_view text, ReminderSettings& settings) {
  std::size_t pos = 0;
  for (ReminderRule& rule : settings.rules) {
    // The group's first byte is its switch digit, whatever it is ("#"
    // included); the colour runs from the byte after it to the next "#".
    if (pos >= text.size()) return false;
    const char digit = text[pos];
    const std::size_t hash = text.find('#', pos + 1);
    if (hash == std::string_view::npos) return false;
    rule.enabled = {digit >= '0' && digit <= '9' ? digit - '0' : 0};
    rule.colour = ReadAtoi(text.substr(pos + 1, hash - pos - 1));
    pos = hash + 1;
  }
  return true;
}

}  // namespace mirevo
