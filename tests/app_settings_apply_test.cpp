// Applying the settings dialog's copy: the order of the window's steps and
// which changes refill the list.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings_apply.h"

namespace mirevo::testing {
namespace {

using Calls = std::vector<std::string>;

class RecordingTarget : public WindowSettingsTarget {
 public:
  Calls calls;
  void SetTopmost(bool topmost) override { calls.push_back("topmost " + std::to_string(topmost)); }
  void SetTransparency(int level) override { calls.push_back("alpha " + std::to_string(level)); }
  void SetTrayHoverSwitch(bool on) override { calls.push_back("tray " + std::to_string(on)); }
  void ClosePreviewPopup() override { calls.push_back("close preview"); }
  void RunInitialEdgeStep() override { calls.push_back("edge step"); }
};

TEST(ApplySettings, EveryStepInItsOrderThenNothingMore) {
  AppSettings current;
  AppSettings copy = current;
  std::tie(copy.accuracy, copy.preview, copy.alpha, copy.allowTrayBalloonTip, copy.topShow) =
      std::tuple(1, 0, 3, 0, 1);
  std::tie(copy.tipShowType, copy.defaultType, copy.aniWin, copy.searchSource, copy.searchEncode,
           copy.searchPrefix) = std::tuple(101, kNoRememberedTab, 1, 2, 3, "http://mine/?s=");
  copy.columnWidths[2] = 1;  // older than the list: never taken
  RecordingTarget target;
  EXPECT_TRUE(ApplySettings(copy, current, target));
  EXPECT_EQ(target.calls, (Calls{"close preview", "alpha 3", "tray 0", "topmost 1", "edge step"}));
  copy.columnWidths = current.columnWidths;
  EXPECT_EQ(FormatSettings(current), FormatSettings(copy));

  // A second "应用" without changes: only the edge step. ("取消" sends nothing.)
  target.calls.clear();
  EXPECT_FALSE(ApplySettings(copy, current, target));
  EXPECT_EQ(target.calls, Calls{"edge step"});
}

TEST(ApplySettings, TheDueThresholdAndTheReminderRulesRefillTheList) {
  // Edge hiding stays on, so a change that asks nothing of the window calls nothing.
  const std::tuple<std::function<void(AppSettings&)>, bool, Calls> cases[] = {
      {[](auto& s) { s.accuracy = 1; }, true, {}},
      {[](auto& s) { s.reminders.rules[kNextTimeRule].colour = 1; }, true, {}},
      {[](auto& s) { s.reminders.rules[kWeekdayRule].enabled = 1; }, true, {}},
      {[](auto& s) { s.tipShowType = 10; }, false, {}},
      {[](auto& s) { s.preview = 1; }, false, {}},
      {[](auto& s) { s.autoHide = 0; }, false, {"edge step"}},
  };
  for (const auto& [change, refill, calls] : cases) {
    AppSettings current;
    std::tie(current.preview, current.autoHide) = std::tuple(0, 1);
    AppSettings copy = current;
    change(copy);
    RecordingTarget target;
    EXPECT_EQ(ApplySettings(copy, current, target), refill);
    EXPECT_EQ(target.calls, calls);
    EXPECT_EQ(FormatSettings(current), FormatSettings(copy));
  }
}

}  // namespace
}  // namespace mirevo::testing
