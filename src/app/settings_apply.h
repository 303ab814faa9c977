// Taking the settings the dialog edited into the settings the main window runs
// with, each changed setting put into effect at once.
#pragma once

#include "app/window_settings_target.h"
#include "store/app_settings.h"

namespace mirevo {

// Stores the values the settings dialog edits (nothing else of edited, which
// may be older than the current column widths or placement) and tells the
// target what the changes ask of the window. Returns whether the current
// tab's list must be refilled: the due threshold or a reminder rule changed.
[[nodiscard]] bool ApplySettings(const AppSettings& edited, AppSettings& current,
                                 WindowSettingsTarget& target);

}  // namespace mirevo
