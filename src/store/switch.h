// A switch of the settings file or of a work's reminder flags: on only when
// it holds 1. Any other number a hand-edited file gives it counts as off and
// is kept as it is, so that the file is written back unchanged.
#pragma once

namespace mirevo {

struct Switch {
  constexpr Switch(int stored = 0) : value(stored) {}  // NOLINT: a stored number is a switch

  int value;

  constexpr bool On() const { return value == 1; }
  friend constexpr bool operator==(Switch, Switch) = default;
};

inline constexpr Switch kOff{0};
inline constexpr Switch kOn{1};

constexpr Switch SwitchOf(bool on) {
  return on ? kOn : kOff;
}

}  // namespace mirevo
