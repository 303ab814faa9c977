// The TZ variable as the Windows C runtime reads it. The runtime takes a TZ
// that is set in its own form only — a zone name of at least three letters,
// the offset from UTC in hours ("-8", "+5:30", "3:30:15") and, optionally,
// the name of the daylight-saving zone: "CST-8", "PST8PDT". Any other value
// ("Asia/Shanghai", as Linux sets it for a program run under Wine) is
// misread silently, as UTC, and every local time is off.
#pragma once

#include <string_view>

namespace mirevo {

bool IsRuntimeTimeZoneForm(std::string_view value);

}  // namespace mirevo
