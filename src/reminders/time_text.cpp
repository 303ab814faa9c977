#include "reminders/time_text.h"

#include <cstdio>

#include "text/gbk.h"

namespace mirevo {
namespace {

// One field of a TimeText read the way atoi reads it; a field that lies
// (partly) beyond a short text reads only what is there, or 0.
int ReadField(std::string_view text, std::size_t pos, std::size_t length) {
  if (pos >= text.size()) return 0;
  return ReadAtoi(text.substr(pos, length));
}

// The broken-down local time a TimeText names, with daylight saving left for
// the C library to decide.
std::tm FieldsOf(std::string_view text) {
  std::tm fields{};
  fields.tm_year = ReadField(text, 0, 4) - 1900;
  fields.tm_mon = ReadField(text, 5, 2) - 1;
  fields.tm_mday = ReadField(text, 8, 2);
  fields.tm_hour = ReadField(text, 11, 2);
  fields.tm_min = ReadField(text, 14, 2);
  fields.tm_sec = 0;
  fields.tm_isdst = -1;
  return fields;
}

}  // namespace

const std::array<std::string, 7>& WeekdayNames() {
  static const std::array<std::string, 7> names{
      "周日(日)", "周一(月)", "周二(火)", "周三(水)", "周四(木)", "周五(金)", "周六(土)",
  };
  return names;
}

// The Windows runtime knows no time before 1970; the same holds everywhere,
// so that the program behaves alike on every platform it is tested on.
namespace {

// "YYYY-MM-DD HH:MM" from broken-down local time. Lists of many works format
// a time per row, so this avoids printf; a year outside 0..9999 takes the
// printf path, which prints it as "%d" does.
std::string TimeTextOf(const std::tm& local) {
  const int year = local.tm_year + 1900;
  if (year < 0 || year > 9999) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d", year, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min);
    return std::string(buffer).substr(0, kTimeTextLength);
  }
  char text[kTimeTextLength];
  auto two = [&text](std::size_t at, int value) {
    text[at] = static_cast<char>('0' + value / 10);
    text[at + 1] = static_cast<char>('0' + value % 10);
  };
  two(0, year / 100);
  two(2, year % 100);
  text[4] = '-';
  two(5, local.tm_mon + 1);
  text[7] = '-';
  two(8, local.tm_mday);
  text[10] = ' ';
  two(11, local.tm_hour);
  text[13] = ':';
  two(14, local.tm_min);
  return std::string(text, kTimeTextLength);
}

}  // namespace

std::string FormatTimeText(std::time_t time) {
  std::tm local{};
  if (!ToLocalTime(time, local)) return {};
  return TimeTextOf(local);
}

std::string CurrentTimeText(const Clock& clock) {
  return FormatTimeText(clock.Now());
}

std::time_t ParseTimeText(std::string_view text) {
  std::tm fields = FieldsOf(text);
  const std::time_t time = std::mktime(&fields);
  return time < 0 ? static_cast<std::time_t>(-1) : time;
}

// Seven calendar days, not 604800 seconds: across a daylight-saving change
// the week is an hour shorter or longer, and the episode still airs at the
// same clock time.
std::string AddOneWeek(std::string_view text) {
  std::tm fields = FieldsOf(text);
  fields.tm_mday += 7;
  // mktime normalises the fields to the local time it names.
  if (std::mktime(&fields) < 0) return {};
  return TimeTextOf(fields);
}

}  // namespace mirevo
