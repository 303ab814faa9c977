// The settings dialog without its window: the general and reminder pages,
// "应用", the search page, and applying the dialog's copy to the window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings_apply.h"
#include "app/settings_form.h"
#include "search/search_sources.h"

namespace mirevo::testing {
namespace {

using namespace std::string_literals;

SettingsForm Opened(const AppSettings& current) {
  SettingsForm form;
  form.Open(current);
  return form;
}

// The edge-hiding and slide boxes checked, then the two enabled.
std::string EdgeBoxes(const SettingsForm& f) {
  return {char('0' + f.general.autoHide), char('0' + f.general.slideWhenHiding),
          char('0' + f.autoHideEnabled), char('0' + f.slideWhenHidingEnabled)};
}

enum Box { kTopmost, kAutoHide, kSlide, kTrayBalloons };

// A click on a box of the general page, as the window forwards it.
void Click(SettingsForm& form, Box box, bool checked) {
  GeneralValues read = form.general;
  if (box == kTopmost) read.topmost = checked, form.ClickTopmost(read);
  if (box == kAutoHide) read.autoHide = checked, form.ClickAutoHide(read);
  if (box == kSlide) read.slideWhenHiding = checked, form.ChangeIndependentControl(read);
  if (box == kTrayBalloons) read.trayBalloons = checked, form.ClickTrayBalloons(read);
}

TEST(SettingsForm, EdgeHidingNeedsTopmostAndTheSlideNeedsEdgeHiding) {
  AppSettings current;
  std::tie(current.topmost, current.autoHide, current.slideWhenHiding, current.trayBalloons) =
      std::tuple(0, 1, 1, 0);
  SettingsForm form = Opened(current);
  EXPECT_EQ(EdgeBoxes(form), "0000");
  EXPECT_FALSE(form.summaryKindsEnabled);
  ASSERT_FALSE(form.Confirm(form.general));
  EXPECT_EQ(std::tie(form.copy.autoHide, form.copy.slideWhenHiding), std::tuple(0, 0));

  // Box clicked, checked after the click -> the edge boxes.
  const std::tuple<Box, bool, std::string> clicks[] = {
      {kTopmost, true, "0010"},      {kAutoHide, true, "1011"}, {kSlide, true, "1111"},
      {kAutoHide, false, "0010"},    {kAutoHide, true, "1011"}, {kTopmost, false, "0000"},
      {kTrayBalloons, true, "0000"},
  };
  for (const auto& [box, checked, edgeBoxes] : clicks) {
    form.applyEnabled = false;
    Click(form, box, checked);
    EXPECT_EQ(EdgeBoxes(form), edgeBoxes) << box << checked;
    EXPECT_TRUE(form.applyEnabled);
  }
  EXPECT_TRUE(form.summaryKindsEnabled);
}

TEST(SettingsForm, SummaryKindsAndRememberedTabRoundTrip) {
  // Bits 0-4: the kinds, anime first; bit 5: "default_type" 9, then the remember box is clicked.
  for (int mask = 0; mask < 64; ++mask) {
    AppSettings current;
    current.summarySections = 0;
    std::array<bool, kSummaryKindCount> kinds{};
    for (int kind = 0, digit = 10000; kind < kSummaryKindCount; ++kind, digit /= 10)
      if ((kinds[kind] = mask >> kind & 1)) current.summarySections += digit;
    bool remembered = !(mask & 32);
    current.rememberedTab = remembered ? 3 : kNoRememberedTab;
    SettingsForm form = Opened(current);
    EXPECT_EQ(std::tie(form.general.summaryKinds, form.general.rememberTab),
              std::tie(kinds, remembered));
    form.general.rememberTab = !remembered;
    ASSERT_FALSE(form.Confirm(form.general));
    EXPECT_EQ(std::tie(form.copy.summarySections, form.copy.rememberedTab),
              std::tuple(current.summarySections, remembered ? kNoRememberedTab : 0));
  }
}

TEST(SettingsForm, ReminderPageChangesTheCopyAtOnce) {
  SettingsForm form = Opened(AppSettings());
  form.applyEnabled = false;
  form.ClickReminderSwitch(kWeekdayRule, true);
  EXPECT_EQ(std::tuple(form.copy.reminders.rules[kWeekdayRule].enabled, form.applyEnabled),
            std::tuple(1, true));
  const ReminderSettings before = form.copy.reminders;
  form.applyEnabled = false;
  form.FinishReminderColour(kEarliestUpdateRule, std::nullopt);  // cancelled
  EXPECT_EQ(std::tie(form.applyEnabled, form.copy.reminders), std::tuple(false, before));
  form.FinishReminderColour(kEarliestUpdateRule, 0x123456);
  EXPECT_EQ(std::tuple(form.applyEnabled, form.ReminderColour(kEarliestUpdateRule)),
            std::tuple(true, 0x123456));
}

TEST(SettingsForm, SearchTextsTheSettingsFileCannotCarryAreRefused) {
  // The typed prefix and postfix -> the box refused, if any.
  using Typed = std::optional<std::string>;
  const std::tuple<Typed, Typed, std::optional<SearchBox>> cases[] = {
      {"http://x/?k=", "&c=动画", std::nullopt}, {";", ";", SearchBox::kPrefix},
      {"a", "x;y", SearchBox::kPostfix},         {"a\0"s, "", SearchBox::kPrefix},
      {"a", std::nullopt, SearchBox::kPostfix},
  };
  for (const auto& [prefix, postfix, refused] : cases) {
    AppSettings current;
    current.searchSource = kCustomSearchSource;
    SettingsForm form = Opened(current);
    form.ChangeSearchText(SearchBox::kPrefix, prefix);
    form.ChangeSearchText(SearchBox::kPostfix, postfix);
    auto refusal = form.Apply(form.general);
    ASSERT_EQ(refusal ? std::optional(refusal->box) : std::nullopt, refused);
    // Refused: the box is named, "应用" stays, the copy keeps what it had.
    std::string label = refused == SearchBox::kPostfix ? kSearchPostfixLabel : kSearchPrefixLabel;
    EXPECT_EQ(refusal ? refusal->message.rfind(label, 0) : 0u, 0u);
    EXPECT_EQ(form.applyEnabled, refusal.has_value());
    EXPECT_EQ(std::tie(form.copy.searchPrefix, form.copy.searchPostfix),
              refusal ? std::tie(current.searchPrefix, current.searchPostfix)
                      : std::tie(*prefix, *postfix));
  }
}

using Shown = std::tuple<int, int, std::optional<std::string>, std::optional<std::string>, bool>;

Shown ShownBy(const SearchPageForm& page) {
  return {page.SelectedSourceButton(), page.encoding, page.prefixBox, page.postfixBox,
          page.customEditable};
}

Shown Service(int index) {
  const SearchSource& service = BuiltInSearchSources()[index];
  return {index, service.encoding, std::string(service.prefix), std::string(service.postfix),
          false};
}

// The page opens on what the settings hold: a built-in service brings its
// own values back, a custom address shows as it was, and an unknown source
// is complained of. "应用" is enabled exactly when the opening wrote a box.
TEST(SearchPage, OpeningReappliesABuiltInServiceAndComplainsOfAnUnknownSource) {
  // Read: source, encoding, prefix, postfix -> shown, "应用" enabled, message.
  using Case =
      std::tuple<int, int, std::string, std::string, Shown, bool, std::optional<std::string>>;
  const Case cases[] = {
      {0, 2, "http://old/?q=", "&old", Service(0), true, {}},
      {1, 2, "http://old/?q=", "&old", Service(1), true, {}},
      {1, 2, "", "", Service(1), true, {}},
      {2, 1, "http://mine/?s=", "", Shown(2, 1, "http://mine/?s=", "", true), true, {}},
      {2, 1, "", "q", Shown(2, 1, "", "q", true), true, {}},
      {2, 1, "", "", Shown(2, 1, "", "", true), false, {}},
      {3, 1, "", "", Shown(-1, 1, "", "", true), false, kBadSearchSource},
  };
  for (const auto& [source, encoding, prefix, postfix, shown, applyEnabled, message] : cases) {
    AppSettings current;
    std::tie(current.searchSource, current.searchEncoding, current.searchPrefix,
             current.searchPostfix) = std::tie(source, encoding, prefix, postfix);
    SettingsForm form;
    EXPECT_EQ(form.Open(current), message) << source << prefix << postfix;
    EXPECT_EQ(std::tuple(ShownBy(form.search), form.applyEnabled), std::tuple(shown, applyEnabled))
        << source << prefix << postfix;
  }
}

TEST(SearchPage, ButtonsReportOnlyARealChange) {
  SearchPageForm page;
  std::tie(page.source, page.encoding) = std::tuple(1, 3);
  page.Open();
  EXPECT_FALSE(page.ClickSource(1)) << "the chosen service again";
  EXPECT_TRUE(page.ClickSource(2));
  EXPECT_EQ(ShownBy(page), Shown(2, 3, std::string(BuiltInSearchSources()[1].prefix), "", true));
  EXPECT_TRUE(page.ChangeText(SearchBox::kPostfix, "&x"));
  EXPECT_FALSE(page.ClickSource(2));
  EXPECT_EQ(page.postfix, "&x");

  // Button clicked -> change reported, encoding after.
  const std::tuple<int, bool, int> encodings[] = {
      {3, false, 3}, {0, true, 0}, {2, true, 2}, {4, false, 2}};
  for (const auto& [clicked, changed, after] : encodings) {
    EXPECT_EQ(page.ClickEncoding(clicked), changed) << clicked;
    EXPECT_EQ(page.SelectedEncodingButton(), after) << clicked;
  }
  EXPECT_TRUE(page.ClickSource(0));
  EXPECT_EQ(ShownBy(page), Service(0));
}

using Calls = std::vector<std::string>;

class RecordingTarget : public WindowSettingsTarget {
 public:
  Calls calls;
  void SetTopmost(bool topmost) override { calls.push_back("topmost " + std::to_string(topmost)); }
  void SetTransparency(int level) override { calls.push_back("alpha " + std::to_string(level)); }
  void ClosePreviewPopup() override { calls.push_back("close preview"); }
  void RunInitialEdgeStep() override { calls.push_back("edge step"); }
};

TEST(ApplySettings, EveryStepInItsOrder) {
  AppSettings current;
  AppSettings copy = current;
  std::tie(copy.dueByDay, copy.previewOn, copy.transparency, copy.trayBalloons, copy.topmost) =
      std::tuple(1, 0, 3, 0, 1);
  std::tie(copy.summarySections, copy.rememberedTab, copy.slideWhenHiding, copy.searchSource,
           copy.searchEncoding, copy.searchPrefix) =
      std::tuple(101, kNoRememberedTab, 1, 2, 3, "http://mine/?s=");
  copy.columnWidths[2] = 1;  // older than the list: never taken
  RecordingTarget target;
  EXPECT_TRUE(ApplySettings(copy, current, target));
  EXPECT_EQ(target.calls, (Calls{"close preview", "alpha 3", "topmost 1", "edge step"}));
  copy.columnWidths = current.columnWidths;
  EXPECT_EQ(FormatSettings(current), FormatSettings(copy));
}

TEST(ApplySettings, TheDueThresholdAndTheReminderRulesRefillTheList) {
  // Edge hiding stays on, so a change that asks nothing of the window calls nothing.
  const std::tuple<std::function<void(AppSettings&)>, bool, Calls> cases[] = {
      {[](auto& s) { s.dueByDay = 1; }, true, {}},
      {[](auto& s) { s.reminders.rules[kNextTimeRule].colour = 1; }, true, {}},
      {[](auto& s) { s.summarySections = 10; }, false, {}},
      {[](auto& s) { s.previewOn = 1; }, false, {}},
      {[](auto& s) { s.autoHide = 0; }, false, {"edge step"}},
  };
  for (const auto& [change, refill, calls] : cases) {
    AppSettings current;
    std::tie(current.previewOn, current.autoHide) = std::tuple(0, 1);
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
