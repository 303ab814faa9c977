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

TEST(SettingsForm, EdgeHidingNeedsTopmostAndTheSlideNeedsEdgeHiding) {
  // topshow, AutoHide, AniWin, AllowTrayBTip -> shown AutoHide, AniWin and
  // enabled 1067, 1068, kind boxes.
  const std::tuple<int, int, int, int, bool, bool, bool, bool, bool> cases[] = {
      {0, 1, 1, 1, false, false, false, false, true},
      {1, 0, 1, 1, false, false, true, false, true},
      {1, 1, 1, 0, true, true, true, true, false},
      {1, 1, 0, 2, true, false, true, true, false},
  };
  for (const auto& [top, hide, slide, tray, shownHide, shownSlide, hideOn, slideOn, kindsOn] :
       cases) {
    AppSettings current;
    std::tie(current.topShow, current.autoHide, current.aniWin, current.allowTrayBalloonTip) =
        std::tuple(top, hide, slide, tray);
    SettingsForm form = Opened(current);
    EXPECT_EQ(std::tie(form.general.autoHide, form.general.aniWin, form.autoHideEnabled,
                       form.aniWinEnabled, form.summaryKindsEnabled),
              std::tie(shownHide, shownSlide, hideOn, slideOn, kindsOn))
        << top << hide << slide << tray;
    ASSERT_FALSE(form.Confirm(form.general));
    EXPECT_EQ(std::tie(form.copy.autoHide, form.copy.aniWin),
              std::tuple(int{shownHide}, int{shownSlide}));
    EXPECT_EQ(form.general.summaryKinds, GeneralValues().summaryKinds) << "values stay";
  }
}

TEST(SettingsForm, ClicksKeepTheDependencies) {
  AppSettings current;
  current.topShow = 0;
  current.searchPrefix = current.searchPostfix = "";
  current.searchSource = kCustomSearchSource;
  SettingsForm form = Opened(current);
  ASSERT_FALSE(form.applyEnabled);

  auto clicked = [&](void (SettingsForm::*handler)(const GeneralValues&), auto change) {
    GeneralValues read = form.general;
    change(read);
    form.applyEnabled = false;
    (form.*handler)(read);
    EXPECT_TRUE(form.applyEnabled);
    return std::tuple(form.general.autoHide, form.general.aniWin, form.autoHideEnabled,
                      form.aniWinEnabled);
  };
  EXPECT_EQ(clicked(&SettingsForm::ClickTopmost, [](auto& r) { r.topShow = true; }),
            std::tuple(false, false, true, false));
  EXPECT_EQ(clicked(&SettingsForm::ClickAutoHide, [](auto& r) { r.autoHide = true; }),
            std::tuple(true, false, true, true));
  EXPECT_EQ(clicked(&SettingsForm::ChangeOther, [](auto& r) { r.aniWin = true; }),
            std::tuple(true, true, true, true));
  EXPECT_EQ(clicked(&SettingsForm::ClickAutoHide, [](auto& r) { r.autoHide = false; }),
            std::tuple(false, false, true, false));
  clicked(&SettingsForm::ClickAutoHide, [](auto& r) { r.autoHide = true; });
  clicked(&SettingsForm::ChangeOther, [](auto& r) { r.aniWin = true; });
  EXPECT_EQ(clicked(&SettingsForm::ClickTopmost, [](auto& r) { r.topShow = false; }),
            std::tuple(false, false, false, false));

  clicked(&SettingsForm::ClickTrayBalloons, [](auto& r) { r.trayBalloons = false; });
  EXPECT_FALSE(form.summaryKindsEnabled);
  clicked(&SettingsForm::ClickTrayBalloons, [](auto& r) { r.trayBalloons = true; });
  EXPECT_TRUE(form.summaryKindsEnabled);
  clicked(&SettingsForm::ChangeOther, [](auto& r) { r.alpha = 7; });
  EXPECT_EQ(form.general.alpha, 7);
}

TEST(SettingsForm, TipShowTypeDigitsRoundTrip) {
  for (int mask = 0; mask < 32; ++mask) {
    AppSettings current;
    current.tipShowType = 0;
    std::array<bool, kSummaryKindCount> kinds{};
    for (int kind = 0, digit = 10000; kind < kSummaryKindCount; ++kind, digit /= 10)
      if ((kinds[kind] = mask >> kind & 1)) current.tipShowType += digit;
    SettingsForm form = Opened(current);
    EXPECT_EQ(form.general.summaryKinds, kinds) << current.tipShowType;
    form.copy.tipShowType = -1;
    ASSERT_FALSE(form.Confirm(form.general));
    EXPECT_EQ(form.copy.tipShowType, current.tipShowType);
  }
  // A digit counts when set at all; whatever lies above the ten-thousands is anime.
  const std::pair<int, std::array<bool, kSummaryKindCount>> odd[] = {
      {29, {false, false, false, true, true}},
      {20000, {true, false, false, false, false}},
      {99999, {true, true, true, true, true}},
      {-11, {false, false, false, false, false}},
  };
  for (const auto& [tipShowType, kinds] : odd) {
    AppSettings current;
    current.tipShowType = tipShowType;
    EXPECT_EQ(Opened(current).general.summaryKinds, kinds) << tipShowType;
  }
}

TEST(SettingsForm, RememberedTabBoxAndOtherValuesReadBack) {
  // Stored default_type -> box 1056 -> default_type read back.
  const std::tuple<int, bool, int> cases[] = {{0, true, 0}, {3, true, 0}, {9, false, 9}};
  for (const auto& [stored, checked, readBack] : cases) {
    AppSettings current;
    current.defaultType = stored;
    SettingsForm form = Opened(current);
    EXPECT_EQ(form.general.rememberTab, checked) << stored;
    ASSERT_FALSE(form.Confirm(form.general));
    EXPECT_EQ(form.copy.defaultType, readBack) << stored;
  }
  AppSettings current;
  current.alpha = 42;  // hand-edited: the list shows "0%"
  SettingsForm form = Opened(current);
  EXPECT_EQ(form.general.alpha, 0);
  GeneralValues read = form.general;
  std::tie(read.rememberTab, read.preview, read.accuracy, read.alpha) =
      std::tuple(false, false, true, 4);
  ASSERT_FALSE(form.Apply(read));
  EXPECT_EQ(std::tie(form.copy.defaultType, form.copy.preview, form.copy.accuracy, form.copy.alpha),
            std::tuple(9, 0, 1, 4));
}

TEST(SettingsForm, ApplyEnabledAfterOpeningExactlyWhenASearchBoxWasFilled) {
  // source, prefix, postfix -> "应用" enabled after opening.
  const std::tuple<int, std::string, std::string, bool> cases[] = {
      {2, "", "", false}, {2, "p", "", true}, {2, "", "q", true},
      {0, "", "", true},  {1, "", "", true},  {7, "", "", false},
  };
  for (const auto& [source, prefix, postfix, enabled] : cases) {
    AppSettings current;
    std::tie(current.searchSource, current.searchPrefix, current.searchPostfix) =
        std::tie(source, prefix, postfix);
    SettingsForm form = Opened(current);
    EXPECT_EQ(form.applyEnabled, enabled) << source << prefix << postfix;
    ASSERT_FALSE(form.Apply(form.general));
    EXPECT_FALSE(form.applyEnabled);
    form.ChangeOther(form.general);
    ASSERT_FALSE(form.Apply(form.general));
    EXPECT_FALSE(form.applyEnabled) << "after each 应用";
  }
}

TEST(SettingsForm, ReminderPageChangesTheCopyAtOnce) {
  SettingsForm form = Opened(AppSettings());
  EXPECT_EQ(
      std::tuple(form.ReminderSwitchShown(kNextTimeRule), form.ReminderSwitchShown(kWeekdayRule)),
      std::tuple(true, false));
  ASSERT_FALSE(form.Apply(form.general));

  form.ClickReminderSwitch(kWeekdayRule, true);
  EXPECT_EQ(form.copy.reminders.rules[kWeekdayRule].enabled, 1);
  EXPECT_TRUE(form.applyEnabled);

  // A cancelled chooser changes nothing, "应用" (enabled or not) included.
  const ReminderSettings before = form.copy.reminders;
  for (bool applyWas : {false, true}) {
    form.applyEnabled = applyWas;
    form.FinishReminderColour(kEarliestUpdateRule, std::nullopt);
    EXPECT_EQ(form.applyEnabled, applyWas);
    EXPECT_EQ(form.copy.reminders, before);
  }
  form.applyEnabled = false;
  EXPECT_EQ(form.ReminderColour(kEarliestUpdateRule), 0x0000FF);
  form.FinishReminderColour(kEarliestUpdateRule, 0x123456);
  EXPECT_TRUE(form.applyEnabled);
  EXPECT_EQ(form.copy.reminders.rules[kEarliestUpdateRule].colour, 0x123456);
  EXPECT_EQ(form.ReminderButtonLook(kEarliestUpdateRule),
            (ColourButtonLook{0x123456, 0xEDCBA9, 0x123456}));
}

TEST(SettingsForm, SearchTextsTheSettingsFileCannotCarryAreRefused) {
  const std::pair<std::string, bool> carried[] = {
      {"", true},   {"http://x/?q=", true}, {"&c=动画", true}, {"a;b", false},
      {";", false}, {"ab;", false},         {"a\0b"s, false},
  };
  for (const auto& [text, ok] : carried)
    EXPECT_EQ(CanSettingsFileCarry(text), ok) << ::testing::PrintToString(text);

  // The typed prefix and postfix -> the box refused, if any.
  using Typed = std::optional<std::string>;
  const std::tuple<Typed, Typed, std::optional<SearchBox>> cases[] = {
      {"http://x/?k=", "&c=1", std::nullopt},   {"http://x/?k=;", "", SearchBox::kPrefix},
      {"a", ";x=1", SearchBox::kPostfix},       {"a\0"s, "", SearchBox::kPrefix},
      {"a", std::nullopt, SearchBox::kPostfix}, {std::nullopt, ";", SearchBox::kPrefix},
  };
  for (const auto& [prefix, postfix, refusedBox] : cases) {
    AppSettings current;
    current.searchSource = kCustomSearchSource;
    SettingsForm form = Opened(current);
    form.ChangeSearchText(SearchBox::kPrefix, prefix);
    form.ChangeSearchText(SearchBox::kPostfix, postfix);
    GeneralValues read = form.general;
    read.topShow = true;
    auto refusal = form.Apply(read);
    ASSERT_EQ(refusal.has_value(), refusedBox.has_value()) << ::testing::PrintToString(prefix);
    if (!refusal) {
      EXPECT_EQ(std::tie(form.copy.searchPrefix, form.copy.searchPostfix),
                std::tie(*prefix, *postfix));
      continue;
    }
    EXPECT_EQ(refusal->box, *refusedBox);
    std::string label =
        *refusedBox == SearchBox::kPrefix ? kSearchPrefixLabel : kSearchPostfixLabel;
    EXPECT_EQ(refusal->message.rfind(label, 0), 0u) << "names the box";
    EXPECT_TRUE(form.applyEnabled) << "nothing applied";
    EXPECT_EQ(std::tie(form.copy.searchPrefix, form.copy.searchPostfix, form.copy.topShow),
              std::tie(current.searchPrefix, current.searchPostfix, current.topShow));
    EXPECT_EQ(form.Confirm(read).value_or(SettingsForm::Refusal{}).message, refusal->message);
  }
}

}  // namespace
}  // namespace mirevo::testing
