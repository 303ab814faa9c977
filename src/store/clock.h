// The one source of "now". Everything that stamps, compares or names a time
// asks a Clock, so tests can pin it.
#pragma once

#include <ctime>

namespace mirevo {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::time_t Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  std::time_t Now() const override { return std::time(nullptr); }
};

// The C library's local time of time, safe on any thread; false when it
// cannot be represented (the Windows runtime refuses times before 1970).
bool ToLocalTime(std::time_t time, std::tm& out);

class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::time_t now) : now_(now) {}
  std::time_t Now() const override { return now_; }
  void Set(std::time_t now) { now_ = now; }
  void Advance(std::time_t seconds) { now_ += seconds; }

 private:
  std::time_t now_;
};

}  // namespace mirevo
