// The record, time and keyword dialogs' logic, and the data-file check on
// typed texts.
#include <gtest/gtest.h>

#include "app/keyword_form.h"
#include "app/record_form.h"
#include "app/time_form.h"
#include "app_fakes.h"

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

TEST_F(FormTest, EpisodeMustBeAnIntegerFrom0To999) {
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
}

// A text the data file cannot carry, and one the window could not convert
// (nullopt; never for the keyword), are refused with the field's label.
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
    RecordForm form = Opened();
    set(form, "a;b;");
    EXPECT_FALSE(form.Confirm()) << label << " accepts a ; the file carries";
  }
}

// A stored air time too short or out of range (a hand-edited file) shows
// what it can, zero elsewhere. ("23:30" and 01:05 are the edit and add
// tests'.) A time text longer than 16 bytes is refused.
TEST_F(FormTest, TimesOutOfRangeAreZeroOrRefused) {
  RecordForm form = Opened();
  form.SetAirTime("7");
  EXPECT_EQ(std::tie(form.airHour, form.airMinute), std::tuple(7, 0));
  form.SetAirTime("99:99");
  EXPECT_EQ(std::tie(form.airHour, form.airMinute), std::tuple(0, 0));
  form.nextTime = "2006-01-31 20:30x";
  EXPECT_EQ(form.Confirm().value_or(RecordForm::Refusal{}).field, RecordField::kNextTime);
  form.nextTime = "2006-01-31 20:30";
  form.updateTime = "2006-01-31 20:30:00";
  EXPECT_EQ(form.Confirm().value_or(RecordForm::Refusal{}).field, RecordField::kUpdateTime);
}

// The check box opens ticked for a stored keyword. The keyword box proposes
// the keyword, else the name; afterwards the check box shows whether a
// keyword exists, whatever the click did to it. "立即搜索" trims the text
// and needs one, and the search settings the record form hands on.
TEST_F(FormTest, KeywordDialogProposesSearchesChecksAndTicksTheBox) {
  RecordForm stored;
  stored.keyword = "kw";
  stored.Open(clock);
  EXPECT_TRUE(stored.keywordSet);
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
  const auto outcome = keyword.SearchNow();
  EXPECT_EQ(std::tuple(outcome.address, outcome.message),
            std::tuple(std::nullopt, kSearchNowFailed));
  keyword.text = "a;b=c";
  EXPECT_TRUE(keyword.Confirm().value_or("").starts_with("关键词"));
  keyword.text = std::nullopt;
  EXPECT_TRUE(keyword.Confirm());
  EXPECT_TRUE(keyword.SearchNow().message.starts_with("关键词中含有无法用GBK"));
  keyword.text = " shana; ";
  ASSERT_FALSE(keyword.Confirm());
  form.FinishKeyword(keyword, true);
  EXPECT_EQ(std::tie(form.keyword, form.keywordSet), std::tuple(" shana; ", true))
      << "the keyword is taken untrimmed";

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

}  // namespace
}  // namespace mirevo::testing
