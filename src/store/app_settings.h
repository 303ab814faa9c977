// Every persisted setting, with its key, alias and default, and the text form
// of the settings file: flat "key=value;" entries in a fixed order.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/list_columns.h"
#include "store/reminder_settings.h"
#include "store/switch.h"
#include "window/geometry.h"

namespace mirevo {

// The remembered tab that means: do not remember the last tab.
inline constexpr int kNoRememberedTab = 9;
// Transparency in tens of per cent: "0%" .. "90%".
inline constexpr int kTransparencyLevels = 10;

// The settings, named for what they are; the file's keys are in the key
// table of the settings file alone.
struct AppSettings {
  ColumnWidths columnWidths = DefaultColumnWidths();
  std::string dataPath = ".//data.mvd";
  Switch dueByDay;       // a next time is due all day long, not from its minute on
  int transparency = 0;  // read through TransparencyLevel()
  Rect windowRect = Rect::At(250, 150, 480, 355);  // screen pixels
  Switch previewOn = kOn;                          // a click on a work shows its picture
  Switch topmost;
  Switch trayBalloons = kOn;    // the due summary as a balloon by itself
  int rememberedTab = 0;        // the tab to open on, or kNoRememberedTab
  int summarySections = 11111;  // SummaryKindsOf
  Switch autoHide;              // at a screen edge
  Switch slideWhenHiding;       // the edge hiding slides the window away
  Switch maximised;
  ReminderSettings reminders;
  int searchSource = 0;
  int searchEncoding = 0;
  std::string searchPrefix;
  std::string searchPostfix = "&c=gs_all";

  AppSettings();
  bool operator==(const AppSettings&) const = default;

  // The tab to open on: anything but 0..5 (kNoRememberedTab among them)
  // opens tab 0.
  int StartTab() const;
  // The transparency, 0..9: anything else (a hand-edited file) counts as 0.
  int TransparencyLevel() const;
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
