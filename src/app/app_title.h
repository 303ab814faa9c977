// The caption of every message that names no command of its own.
#pragma once

namespace mirevo {

inline constexpr char kAppTitle[] = "Mirevo v0.22";

}  // namespace mirevo
