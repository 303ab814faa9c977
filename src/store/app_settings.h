// Every persisted setting, with its key, alias and default, and the text form
// of the settings file: flat "key=value;" entries in a fixed order.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/list_columns.h"
#include "store/reminder_settings.h"

namespace mirevo {

// Window placement: left, top, width, height in screen pixels.
using WindowPlacement = std::array<int, 4>;

// "default_type" value that means: do not remember the last tab.
inline constexpr int kNoRememberedTab = 9;

struct AppSettings {
  ColumnWidths columnWidths = DefaultColumnWidths();
  std::string dataPath = ".//data.mvd";
  int accuracy = 0;  // 1: due threshold is today 23:59
  int alpha = 0;     // transparency in tens of per cent, 0..9
  WindowPlacement windowPlacement{250, 150, 480, 355};
  int preview = 1;
  int topShow = 0;
  int allowTrayBalloonTip = 1;
  int defaultType = 0;  // tab opened at start; 9 = always tab 0
  int tipShowType = 11111;
  int autoHide = 0;
  int aniWin = 0;
  int maxSign = 0;
  ReminderSettings reminders;
  int searchSource = 0;
  int searchEncode = 0;
  std::string searchPrefix;
  std::string searchPostfix = "&c=gs_all";

  AppSettings();
  bool operator==(const AppSettings&) const = default;

  // "default_type" as a tab index: anything but 0..5 opens tab 0.
  int StartTab() const;
  // "alpha" usable as an index: anything but 0..9 counts as 0.
  int SafeAlpha() const;
};

// False for a text value that the settings file cannot give back as it was:
// one holding ";" (a value ends at the first one, and the rest would be read
// as a broken entry that stops the reading, losing every later setting) or a
// zero byte (no text of this format holds one; a reader that takes the
// file as a C string would stop there).
bool CanSettingsFileCarry(std::string_view text);

// The settings' sizes in pixels (column widths, window placement) are made
// for a screen of 96 dots per inch. On a screen of another resolution the
// defaults scale with it, so that a first start looks the same at 150 %; what
// the settings file holds is the user's and stays as it is.
AppSettings DefaultSettingsForDpi(int dpi);

// Applies the entries of a settings text; returns the messages to show.
std::vector<std::string> ParseSettings(std::string_view text, AppSettings& settings);

// The settings text with all 32 entries.
std::string FormatSettings(const AppSettings& settings);

}  // namespace mirevo
