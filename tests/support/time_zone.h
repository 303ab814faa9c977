// Pins the process's time zone and restores it afterwards. The Windows
// runtime understands only "XXXhh[YYY]" zones (with US daylight-saving rules),
// so each zone has a native and a Windows spelling.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace mirevo::testing {

#ifdef _WIN32
inline constexpr char kChinaZone[] = "CST-8";
inline constexpr char kDaylightSavingZone[] = "PST8PDT";
#else
inline constexpr char kChinaZone[] = "Asia/Shanghai";
inline constexpr char kDaylightSavingZone[] = "Europe/Berlin";
#endif

class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    Set(zone);
  }
  ~ScopedTimeZone() { Set(saved_ ? saved_->c_str() : nullptr); }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  static void Set(const char* zone) {
#ifdef _WIN32
    _putenv((std::string("TZ=") + (zone ? zone : "")).c_str());
    // Once msvcrt (as wine has it) reads the system's zone it forgets the US
    // daylight-saving rules of every later TZ, so a restored "no TZ" is left
    // for the runtime's next _tzset instead of being read at once.
    if (zone) _tzset();
#else
    zone ? setenv("TZ", zone, 1) : unsetenv("TZ");
    tzset();
#endif
  }

  std::optional<std::string> saved_;
};

}  // namespace mirevo::testing
