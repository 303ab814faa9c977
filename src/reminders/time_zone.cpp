#include "reminders/time_zone.h"

namespace mirevo {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Advances past a run of letters; true when there were at least three.
bool SkipName(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsLetter(text[pos])) ++pos;
  return pos - start >= 3;
}

// Advances past one or two digits.
bool SkipNumber(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && pos - start < 2 && IsDigit(text[pos])) ++pos;
  return pos > start;
}

}  // namespace

bool IsRuntimeTimeZoneForm(std::string_view value) {
  std::size_t pos = 0;
  if (!SkipName(value, pos)) return false;
  if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) ++pos;
  if (!SkipNumber(value, pos)) return false;
  // Minutes and seconds.
  for (int part = 0; part < 2 && pos < value.size() && value[pos] == ':'; ++part) {
    ++pos;
    if (!SkipNumber(value, pos)) return false;
  }
  if (pos == value.size()) return true;
  return SkipName(value, pos) && pos == value.size();
}

}  // namespace mirevo
