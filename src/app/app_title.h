// The caption of every message that names no command of its own.
#pragma once

#include "mirevo_version.h"

namespace mirevo {

inline constexpr char kAppTitle[] = MIREVO_TITLE;

}  // namespace mirevo
