// The dialogs' logic without their windows: the record, time and keyword
// dialogs with the data-file check on typed texts; the settings dialog's
// general and reminder pages, "应用" and the search page; and applying the
// dialog's copy to the window.
#include <gtest/gtest.h>

#include "app/keyword_form.h"
#include "app/record_form.h"
#include "app/settings_apply.h"
#include "app/settings_form.h"
#include "app/time_form.h"
#include "app_fakes.h"
#include "search/search_sources.h"

namespace mirevo::testing {
namespace {

class FormTest : public ChinaTimeTest {
 protected:
  RecordForm Opened() {
    RecordForm form;
    form.Open(clock);
    return form;
  }
  FixedClock clock{kChinaTuesdayEvening};  // 2006-01-31 20:30
};

TEST_F(FormTest, EpisodeAndTimesMustFitTheirFields) {
  const std::pair<std::string, std::optional<int>> cases[] = {
      {"0", 0}, {"999", 999}, {" 7 ", 7}, {"007", 7},         {"1000", {}},
      {"", {}}, {"-1", {}},   {"3a", {}}, {"99999999999", {}}};
  for (const auto& [typed, episode] : cases) {
    RecordForm form = Opened();
    form.episode = 42;
    form.episodeText = typed;
    const auto refusal = form.Confirm();
    EXPECT_EQ(form.episode, episode.value_or(42)) << typed << ": a refused form keeps its values";
    EXPECT_EQ(refusal ? refusal->message : "", episode ? "" : kEpisodeOutOfRange) << typed;
    EXPECT_TRUE(!refusal || refusal->field == RecordField::kEpisode);
  }
  // A time text longer than 16 bytes is refused.
  RecordForm form = Opened();
  form.nextTime = "2006-01-31 20:30x";
  EXPECT_EQ(form.Confirm().value_or(RecordForm::Refusal{}).field, RecordField::kNextTime);
  form.nextTime = "2006-01-31 20:30";
  form.updateTime = "2006-01-31 20:30:00";
  EXPECT_EQ(form.Confirm().value_or(RecordForm::Refusal{}).field, RecordField::kUpdateTime);
}

// A text the data file cannot carry, and one the window could not convert
// (nullopt; never for the keyword), are refused with the field's label.
// (Which texts the file carries is the data file's test.)
TEST_F(FormTest, TextsTheDataFileCannotCarryAreRefusedPerField) {
  using Text = std::optional<std::string>;
  const std::tuple<void (*)(RecordForm&, Text), RecordField, std::string> cases[] = {
      {[](RecordForm& f, Text t) { f.name = t; }, RecordField::kName, "名称"},
      {[](RecordForm& f, Text t) { f.notes = t; }, RecordField::kNotes, "备注"},
      {[](RecordForm& f, Text t) { f.previewPath = t; }, RecordField::kPreviewPath, "预览图路径"},
      {[](RecordForm& f, Text t) { f.keyword = t.value_or(";"); }, RecordField::kKeyword, "关键词"},
  };
  for (const auto& [set, field, label] : cases) {
    for (const Text& text : {Text("a;b=c"), Text()}) {
      RecordForm form = Opened();
      set(form, text);
      const auto refusal = form.Confirm();
      ASSERT_TRUE(refusal) << label;
      EXPECT_EQ(refusal->field, field);
      const bool notGbk = !text && field != RecordField::kKeyword;
      EXPECT_TRUE(refusal->message.starts_with(label + (notGbk ? "中含有无法用GBK" : "不能")))
          << refusal->message;
    }
  }
}

// The check box opens ticked for a stored keyword. The keyword box proposes
// the keyword, else the name; afterwards the check box shows whether a
// keyword exists, whatever the click did to it. "立即搜索" trims the text
// and needs one, and the search settings the record form hands on.
TEST_F(FormTest, KeywordDialogProposesSearchesChecksAndTicksTheBox) {
  RecordForm form = Opened();
  EXPECT_FALSE(form.keywordSet);
  form.name = "  a b  ";
  KeywordForm keyword = form.MakeKeywordForm();
  EXPECT_EQ(keyword.text, "  a b  ");
  EXPECT_EQ(keyword.SearchNow().message, kSearchNowFailed) << "no settings handed in";
  EXPECT_EQ(keyword.text, "a b");
  AppSettings settings;
  std::tie(settings.searchPrefix, settings.searchPostfix, settings.searchEncoding) =
      std::tuple("http://s/?q=", "&x", 1);
  form.searchSettings = &settings;
  keyword = form.MakeKeywordForm();
  EXPECT_EQ(keyword.SearchNow().address, "http://s/?q=a+b&x");
  keyword.text = "   ";
  EXPECT_EQ(keyword.SearchNow().address, std::nullopt);
  keyword.text = std::nullopt;
  EXPECT_TRUE(keyword.Confirm());
  EXPECT_TRUE(keyword.SearchNow().message.starts_with("关键词中含有无法用GBK"));
  keyword.text = " shana; ";
  ASSERT_FALSE(keyword.Confirm());
  form.FinishKeyword(keyword, true);
  EXPECT_EQ(std::tie(form.keyword, form.keywordSet), std::tuple(" shana; ", true))
      << "the keyword is taken untrimmed";

  form.keywordSet = false;
  form.Open(clock);
  EXPECT_TRUE(form.keywordSet) << "opened with a stored keyword";
  form.keywordSet = false;  // the click unticked it, then the user cancels
  keyword = form.MakeKeywordForm();
  EXPECT_EQ(keyword.text, " shana; ");
  form.FinishKeyword(keyword, false);
  EXPECT_TRUE(form.keywordSet);
  keyword.text = "";
  ASSERT_FALSE(keyword.Confirm());
  form.FinishKeyword(keyword, true);
  EXPECT_EQ(std::tie(form.keyword, form.keywordSet), std::tuple("", false));
}

// The update time is edited against now ("清零" not offered), the next time
// against the update time; an empty or "Unknown" next time opens at now.
TEST_F(FormTest, TimeDialogChecksUpdateTimesAgainstNowAndNextTimesAgainstTheUpdate) {
  RecordForm record = Opened();  // update time 2006-01-31 20:30
  TimeForm update = record.UpdateTimeForm();
  EXPECT_EQ(std::tuple(update.Label(), update.CanClear(), update.PickedText()),
            std::tuple(kUpdateTimeLabel, false, "2006-01-31 20:30"));
  EXPECT_FALSE(update.Confirm()) << "the current minute passes";
  update.minute = 31;
  EXPECT_EQ(update.Confirm(), kUpdateTimeInFuture);
  update.day = 30;
  ASSERT_FALSE(update.Confirm());
  record.TakeUpdateTime(update);
  EXPECT_EQ(record.updateTime, "2006-01-30 20:31");

  TimeForm next = record.NextTimeForm();
  EXPECT_EQ(std::tuple(next.Label(), next.CanClear(), next.PickedText()),
            std::tuple(kNextTimeLabel, true, "2006-01-31 20:30"));
  record.nextTime = "2006-02-07 20:30";
  next = record.NextTimeForm();
  EXPECT_EQ(next.PickedText(), "2006-02-07 20:30");
  next.year = 2005;
  EXPECT_EQ(next.Confirm(), kNextTimeBeforeUpdate);
  next.year = 2007;  // later than now is fine for a next time
  ASSERT_FALSE(next.Confirm());
  record.TakeNextTime(next);
  EXPECT_EQ(record.nextTime, "2007-02-07 20:30");
  next.Clear();
  record.TakeNextTime(next);
  EXPECT_EQ(std::tuple(record.nextTime, record.NextTimeForm().PickedText()),
            std::tuple("Unknown", "2006-01-31 20:30"));
  record.nextTime = record.updateTime;  // equal to the update time: edited as one
  EXPECT_TRUE(record.NextTimeForm().IsUpdateTimeMode());
}

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
    GeneralValues read = form.general;  // the page with the click, as the window forwards it
    if (box == kTopmost) read.topmost = checked, form.ClickTopmost(read);
    if (box == kAutoHide) read.autoHide = checked, form.ClickAutoHide(read);
    if (box == kSlide) read.slideWhenHiding = checked, form.ChangeIndependentControl(read);
    if (box == kTrayBalloons) read.trayBalloons = checked, form.ClickTrayBalloons(read);
    EXPECT_EQ(EdgeBoxes(form), edgeBoxes) << box << checked;
    EXPECT_TRUE(form.applyEnabled);
  }
  EXPECT_TRUE(form.summaryKindsEnabled);
}

// One mixed set of kinds each way: which digit is which kind is the due summary's.
TEST(SettingsForm, SummaryKindsAndRememberedTabRoundTrip) {
  // "TipShowType", "default_type" -> the kind boxes, the remember box; then that box is clicked.
  const std::tuple<int, int, SummaryKinds, bool> cases[] = {
      {10110, 3, {true, false, true, true, false}, true},
      {1, kNoRememberedTab, {false, false, false, false, true}, false}};
  for (const auto& [sections, tab, kinds, remembered] : cases) {
    AppSettings current;
    std::tie(current.summarySections, current.rememberedTab) = std::tie(sections, tab);
    SettingsForm form = Opened(current);
    EXPECT_EQ(std::tie(form.general.summaryKinds, form.general.rememberTab),
              std::tie(kinds, remembered));
    form.general.rememberTab = !remembered;
    ASSERT_FALSE(form.Confirm(form.general));
    EXPECT_EQ(std::tie(form.copy.summarySections, form.copy.rememberedTab),
              std::tuple(sections, remembered ? kNoRememberedTab : 0));
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

// The search page's buttons reach the page through the form and enable "应用".
TEST(SettingsForm, SearchButtonsReachThePageAndEnableApply) {
  SettingsForm form = Opened(AppSettings());  // the first service, no encoding
  for (auto [click, button] : {std::pair{&SettingsForm::ClickSearchSource, kCustomSearchSource},
                               {&SettingsForm::ClickSearchEncoding, int{kUtf8Encoding}}}) {
    form.applyEnabled = false;
    (form.*click)(button);
    EXPECT_TRUE(form.applyEnabled) << button;
  }
  ASSERT_FALSE(form.Confirm(form.general));
  EXPECT_EQ(std::tie(form.copy.searchSource, form.copy.searchEncoding),
            std::tuple(kCustomSearchSource, int{kUtf8Encoding}));
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

using PageShown =
    std::tuple<int, int, std::optional<std::string>, std::optional<std::string>, bool>;

PageShown ShownBy(const SearchPageForm& page) {
  return {page.SelectedSourceButton(), page.encoding, page.prefixBox, page.postfixBox,
          page.customEditable};
}

PageShown Service(int index) {
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
      std::tuple<int, int, std::string, std::string, PageShown, bool, std::optional<std::string>>;
  const Case cases[] = {
      {0, 2, "http://old/?q=", "&old", Service(0), true, {}},
      {1, 2, "http://old/?q=", "&old", Service(1), true, {}},
      {2, 1, "http://mine/?s=", "", PageShown(2, 1, "http://mine/?s=", "", true), true, {}},
      {2, 1, "", "q", PageShown(2, 1, "", "q", true), true, {}},
      {2, 1, "", "", PageShown(2, 1, "", "", true), false, {}},
      {3, 1, "", "", PageShown(-1, 1, "", "", true), false, kBadSearchSource},
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
  EXPECT_EQ(ShownBy(page),
            PageShown(2, 3, std::string(BuiltInSearchSources()[1].prefix), "", true));
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

// From no preview and edge hiding on, so that a change which asks nothing of
// the window calls nothing; the column widths are the list's, never the copy's.
struct ApplyCase {
  void (*change)(AppSettings& current, AppSettings& copy);
  bool refill = false;
  Calls calls = {};
};

TEST(ApplySettings, TheWindowTakesEachStepInItsOrderAndTheListRefillsForDueRules) {
  const ApplyCase cases[] = {
      {.change = [](auto&, auto& s) { s.dueByDay = 1; }, .refill = true},
      {.change = [](auto&, auto& s) { s.reminders.rules[kNextTimeRule].colour = 1; },
       .refill = true},
      {.change = [](auto&, auto& s) { s.summarySections = 10; }},
      {.change = [](auto&, auto& s) { s.previewOn = 1; }},
      {.change = [](auto&, auto& s) { s.autoHide = 0; }, .calls = {"edge step"}},
      {.change =
           [](auto& current, auto& s) {
             current.previewOn = 1;
             std::tie(s.previewOn, s.transparency, s.trayBalloons, s.topmost, s.autoHide,
                      s.rememberedTab, s.slideWhenHiding, s.searchSource, s.searchEncoding,
                      s.searchPrefix) =
                 std::tuple(0, 3, 0, 1, 0, kNoRememberedTab, 1, 2, 3, "http://mine/?s=");
             s.columnWidths[2] = 1;
           },
       .calls = {"close preview", "alpha 3", "topmost 1", "edge step"}},
  };
  for (const ApplyCase& c : cases) {
    AppSettings current;
    std::tie(current.previewOn, current.autoHide) = std::tuple(0, 1);
    AppSettings copy = current;
    c.change(current, copy);
    RecordingTarget target;
    EXPECT_EQ(ApplySettings(copy, current, target), c.refill);
    EXPECT_EQ(target.calls, c.calls);
    EXPECT_EQ(current.columnWidths, DefaultColumnWidths());
    copy.columnWidths = current.columnWidths;
    EXPECT_EQ(FormatSettings(current), FormatSettings(copy));
  }
}

}  // namespace
}  // namespace mirevo::testing
