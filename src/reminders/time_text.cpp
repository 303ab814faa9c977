#include "reminders/time_text.h"

#include <cstdio>
#include <optional>

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

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return std::int64_t{era} * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const auto era = static_cast<int>((days >= 0 ? days : days - 146096) / 146097);
  const auto dayOfEra = static_cast<int>(days - std::int64_t{era} * 146097);
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  month = shiftedMonth + (shiftedMonth < 10 ? 3 : -9);
  year = yearOfEra + era * 400 + (month <= 2);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

struct PlainTime {
  std::int64_t day;  // since 1970-01-01
  int hour;
  int minute;
};

// "YYYY-MM-DD HH:MM" when every field is digits in its place (the separators
// are not read, as FieldsOf does not read them) and names a real date and
// clock time; nothing otherwise.
std::optional<PlainTime> ReadPlainTime(std::string_view text) {
  if (text.size() != kTimeTextLength) return std::nullopt;
  int values[5];
  static constexpr std::size_t kStarts[] = {0, 5, 8, 11, 14};
  static constexpr std::size_t kLengths[] = {4, 2, 2, 2, 2};
  for (int i = 0; i < 5; ++i) {
    int value = 0;
    for (std::size_t at = kStarts[i]; at < kStarts[i] + kLengths[i]; ++at) {
      if (text[at] < '0' || text[at] > '9') return std::nullopt;
      value = value * 10 + (text[at] - '0');
    }
    values[i] = value;
  }
  const auto [year, month, day, hour, minute] = values;
  // The Windows runtime refuses a year before 1970 even where a week later
  // would lie after it.
  if (year < 1970 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour > 23 || minute > 59)
    return std::nullopt;
  return PlainTime{DaysFromCivil(year, month, day), hour, minute};
}

// The broken-down fields of a day, at midnight.
std::tm DateOf(std::int64_t days) {
  int year = 0;
  int month = 0;
  int day = 0;
  CivilFromDays(days, year, month, day);
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  return fields;
}

// Local midnight of a day as the C library counts it; -1 when it cannot, or
// when the day has no midnight (the clock jumps over it, or the whole day).
std::time_t LocalMidnight(std::int64_t days) {
  const std::tm midnight = DateOf(days);
  std::tm fields = midnight;
  fields.tm_isdst = -1;
  const std::time_t time = std::mktime(&fields);
  const bool named = fields.tm_year == midnight.tm_year && fields.tm_mon == midnight.tm_mon &&
                     fields.tm_mday == midnight.tm_mday && fields.tm_hour == 0 &&
                     fields.tm_min == 0;
  return named ? time : -1;
}

}  // namespace

std::string WeekAhead::Add(std::string_view text) {
  const std::optional<PlainTime> plain = ReadPlainTime(text);
  if (!plain) return AddOneWeek(text);
  const std::int64_t target = plain->day + 7;
  auto [day, isNew] = plainDays_.try_emplace(target, false);
  if (isNew) {
    // Exactly 24 hours from midnight to midnight: every clock time of the day
    // exists once, so the text a week later is the date moved on. A change of
    // the clock that day, or a day the C library cannot name, makes it 23, 25
    // or no hours.
    const std::time_t start = LocalMidnight(target);
    const std::time_t end = LocalMidnight(target + 1);
    day->second = start >= 0 && end >= 0 && end - start == 24 * 3600;
  }
  if (!day->second) return AddOneWeek(text);
  std::tm fields = DateOf(target);
  fields.tm_hour = plain->hour;
  fields.tm_min = plain->minute;
  return TimeTextOf(fields);
}

}  // namespace mirevo
