#include "store/clock.h"

namespace mirevo {

bool ToLocalTime(std::time_t time, std::tm& out) {
  if (time < 0) return false;
#ifdef _WIN32
  return localtime_s(&out, &time) == 0;
#else
  return localtime_r(&time, &out) != nullptr;
#endif
}

}  // namespace mirevo
