// The settings dialog's general and reminder pages, "应用", and the refusal of
// search texts the settings file could not carry.
#include <gtest/gtest.h>

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

// 1067 and 1068 checked, then 1067 and 1068 enabled.
std::string EdgeBoxes(const SettingsForm& form) {
  const bool boxes[] = {form.general.autoHide, form.general.aniWin, form.autoHideEnabled,
                        form.aniWinEnabled};
  std::string shown;
  for (bool on : boxes) shown += on ? '1' : '0';
  return shown;
}

// A click on the box with this id, as the window forwards it.
void Click(SettingsForm& form, int id, bool checked) {
  GeneralValues read = form.general;
  if (id == 1037) read.topShow = checked, form.ClickTopmost(read);
  if (id == 1067) read.autoHide = checked, form.ClickAutoHide(read);
  if (id == 1068) read.aniWin = checked, form.ChangeOther(read);
  if (id == 1044) read.trayBalloons = checked, form.ClickTrayBalloons(read);
}

TEST(SettingsForm, EdgeHidingNeedsTopmostAndTheSlideNeedsEdgeHiding) {
  AppSettings current;
  std::tie(current.topShow, current.autoHide, current.aniWin, current.allowTrayBalloonTip) =
      std::tuple(0, 1, 1, 0);
  SettingsForm form = Opened(current);
  EXPECT_EQ(EdgeBoxes(form), "0000");
  EXPECT_FALSE(form.summaryKindsEnabled);
  ASSERT_FALSE(form.Confirm(form.general));
  EXPECT_EQ(std::tie(form.copy.autoHide, form.copy.aniWin), std::tuple(0, 0));

  // Box clicked, checked after the click -> the edge boxes.
  const std::tuple<int, bool, std::string> clicks[] = {
      {1037, true, "0010"}, {1067, true, "1011"},  {1068, true, "1111"}, {1067, false, "0010"},
      {1067, true, "1011"}, {1037, false, "0000"}, {1044, true, "0000"},
  };
  for (const auto& [id, checked, edgeBoxes] : clicks) {
    form.applyEnabled = false;
    Click(form, id, checked);
    EXPECT_EQ(EdgeBoxes(form), edgeBoxes) << id << checked;
    EXPECT_TRUE(form.applyEnabled);
  }
  EXPECT_TRUE(form.summaryKindsEnabled);
}

TEST(SettingsForm, SummaryKindsAndRememberedTabRoundTrip) {
  // Bits 0-4: the kinds, anime first; bit 5: "default_type" 9, then 1056 is clicked.
  for (int mask = 0; mask < 64; ++mask) {
    AppSettings current;
    current.tipShowType = 0;
    std::array<bool, kSummaryKindCount> kinds{};
    for (int kind = 0, digit = 10000; kind < kSummaryKindCount; ++kind, digit /= 10)
      if ((kinds[kind] = mask >> kind & 1)) current.tipShowType += digit;
    bool remembered = !(mask & 32);
    current.defaultType = remembered ? 3 : kNoRememberedTab;
    SettingsForm form = Opened(current);
    EXPECT_EQ(std::tie(form.general.summaryKinds, form.general.rememberTab),
              std::tie(kinds, remembered));
    form.general.rememberTab = !remembered;
    ASSERT_FALSE(form.Confirm(form.general));
    EXPECT_EQ(std::tie(form.copy.tipShowType, form.copy.defaultType),
              std::tuple(current.tipShowType, remembered ? kNoRememberedTab : 0));
  }
}

TEST(SettingsForm, ApplyEnabledAfterOpeningExactlyWhenASearchBoxWasFilled) {
  const std::tuple<int, std::string, std::string, bool> cases[] = {
      {2, "", "", false}, {2, "p", "", true}, {2, "", "q", true},
      {1, "", "", true},  {7, "", "", false},
  };
  for (const auto& [source, prefix, postfix, enabled] : cases) {
    AppSettings current;
    std::tie(current.searchSource, current.searchPrefix, current.searchPostfix) =
        std::tie(source, prefix, postfix);
    SettingsForm form = Opened(current);
    EXPECT_EQ(form.applyEnabled, enabled) << source << prefix << postfix;
    ASSERT_FALSE(form.Apply(form.general));
    EXPECT_FALSE(form.applyEnabled);
  }
}

TEST(SettingsForm, ReminderPageChangesTheCopyAtOnce) {
  SettingsForm form = Opened(AppSettings());
  form.applyEnabled = false;
  form.ClickReminderSwitch(kWeekdayRule, true);
  EXPECT_EQ(std::tuple(form.copy.reminders.rules[kWeekdayRule].enabled, form.applyEnabled),
            std::tuple(1, true));
  const ReminderSettings before = form.copy.reminders;
  for (bool applyWas : {false, true}) {
    form.applyEnabled = applyWas;
    form.FinishReminderColour(kEarliestUpdateRule, std::nullopt);  // cancelled
    EXPECT_EQ(std::tie(form.applyEnabled, form.copy.reminders), std::tie(applyWas, before));
  }
  form.FinishReminderColour(kEarliestUpdateRule, 0x123456);
  EXPECT_TRUE(form.applyEnabled);
  EXPECT_EQ(form.ReminderButtonLook(kEarliestUpdateRule),
            (ColourButtonLook{0x123456, 0xEDCBA9, 0x123456}));
}

TEST(SettingsForm, SearchTextsTheSettingsFileCannotCarryAreRefused) {
  // The typed prefix and postfix -> the box refused, if any.
  using Typed = std::optional<std::string>;
  const std::tuple<Typed, Typed, std::optional<SearchBox>> cases[] = {
      {"http://x/?k=", "&c=动画", std::nullopt},
      {"http://x/?k=;", "", SearchBox::kPrefix},
      {";", ";", SearchBox::kPrefix},
      {"a", "x;y", SearchBox::kPostfix},
      {"a\0"s, "", SearchBox::kPrefix},
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

}  // namespace
}  // namespace mirevo::testing
