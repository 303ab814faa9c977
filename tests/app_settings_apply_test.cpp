// Applying the settings dialog's copy: the order of the window's steps and
// which changes refill the list.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings_apply.h"
#include "app/settings_form.h"

namespace mirevo::testing {
namespace {

class RecordingTarget : public WindowSettingsTarget {
 public:
  std::vector<std::string> calls;
  void SetTopmost(bool topmost) override { calls.push_back("topmost " + std::to_string(topmost)); }
  void SetTransparency(int level) override {
    calls.push_back("transparency " + std::to_string(level));
  }
  void SetTrayHoverSwitch(bool on) override { calls.push_back("tray " + std::to_string(on)); }
  void ClosePreviewPopup() override { calls.push_back("close preview"); }
  void RunInitialEdgeStep() override { calls.push_back("edge step"); }
};

using Calls = std::vector<std::string>;

TEST(ApplySettings, EveryStepInItsOrder) {
  AppSettings current;
  current.autoHide = 0;
  AppSettings copy = current;
  copy.accuracy = 1;
  copy.preview = 0;
  copy.alpha = 3;
  copy.allowTrayBalloonTip = 0;
  copy.tipShowType = 101;
  copy.topShow = 1;
  copy.defaultType = 9;
  copy.aniWin = 1;
  copy.reminders.rules[kWeekdayRule].enabled = 1;
  copy.searchSource = 2;
  copy.searchPrefix = "http://mine/?s=";
  copy.columnWidths[2] = 1;  // older than the list: never taken
  RecordingTarget target;
  EXPECT_TRUE(ApplySettings(copy, current, target));
  EXPECT_EQ(target.calls,
            (Calls{"close preview", "transparency 3", "tray 0", "topmost 1", "edge step"}));
  AppSettings expected = copy;
  expected.columnWidths = AppSettings().columnWidths;
  EXPECT_EQ(FormatSettings(current, {}, 0), FormatSettings(expected, {}, 0));

  // The same copy once more changes nothing and asks only for the edge step.
  target.calls.clear();
  EXPECT_FALSE(ApplySettings(copy, current, target));
  EXPECT_EQ(target.calls, Calls{"edge step"});
}

TEST(ApplySettings, WhatEachChangeAsksFor) {
  struct Case {
    const char* name;
    std::function<void(AppSettings&)> change;
    bool refill;
    Calls calls;
  };
  const Case cases[] = {
      {"accuracy", [](auto& s) { s.accuracy = 1; }, true, {}},
      {"colour", [](auto& s) { s.reminders.rules[kNextTimeRule].colour = 1; }, true, {}},
      {"switch", [](auto& s) { s.reminders.rules[kEarliestUpdateRule].enabled = 1; }, true, {}},
      {"tipshowtype", [](auto& s) { s.tipShowType = 10; }, false, {}},
      {"preview on", [](auto& s) { s.preview = 1; }, false, {}},
      {"tray on", [](auto& s) { s.allowTrayBalloonTip = 1; }, false, {"tray 1"}},
      {"topmost off", [](auto& s) { s.topShow = 0; }, false, {"topmost 0"}},
      {"edge hiding off", [](auto& s) { s.autoHide = 0; }, false, {"edge step"}},
      {"search", [](auto& s) { s.searchEncode = 3; }, false, {}},
  };
  for (const Case& c : cases) {
    AppSettings current;
    std::tie(current.preview, current.allowTrayBalloonTip, current.topShow, current.autoHide) =
        std::tuple(0, 0, 1, 1);
    AppSettings copy = current;
    c.change(copy);
    RecordingTarget target;
    EXPECT_EQ(ApplySettings(copy, current, target), c.refill) << c.name;
    EXPECT_EQ(target.calls, c.calls) << c.name;
    EXPECT_EQ(FormatSettings(current, {}, 0), FormatSettings(copy, {}, 0)) << c.name;
  }
}

TEST(ApplySettings, CancelAfterApplyKeepsWhatWasApplied) {
  AppSettings current;
  current.topShow = 1;
  SettingsForm form;
  form.Open(current);
  form.FinishReminderColour(kNextTimeRule, 0x00FFFF);
  GeneralValues read = form.general;
  read.autoHide = true;
  form.ClickAutoHide(read);
  ASSERT_FALSE(form.Apply(form.general));
  RecordingTarget target;
  EXPECT_TRUE(ApplySettings(form.copy, current, target));
  EXPECT_EQ(target.calls, Calls{}) << "edge hiding on: no edge step";

  // Changed again, then "取消": the dialog's copy took the colour at once,
  // the settings keep what "应用" applied.
  form.FinishReminderColour(kNextTimeRule, 0);
  EXPECT_EQ(form.copy.reminders.rules[0].colour, 0);
  read = form.general;
  read.topShow = false;
  form.ClickTopmost(read);
  EXPECT_EQ(std::tie(current.autoHide, current.topShow, current.reminders.rules[0].colour),
            std::tuple(1, 1, 0x00FFFF));
}

}  // namespace
}  // namespace mirevo::testing
