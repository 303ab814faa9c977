// The record, time and keyword dialogs' logic, and the data-file check on
// typed texts.
#include <gtest/gtest.h>

#include "app/keyword_form.h"
#include "app/record_form.h"
#include "app/text_checks.h"
#include "app/time_form.h"
#include "app_fakes.h"

namespace mirevo::testing {
namespace {

class FormTest : public ::testing::Test {
 protected:
  PinnedTimeZone zone;
  FixedClock clock{kTuesdayEvening};  // 2006-01-31 20:30
};

struct CarryCase {
  std::string text;
  bool carried;
};

TEST(TextChecks, DataFileCarriesEverythingButTheThreeForms) {
  const CarryCase cases[] = {
      {"", true},
      {"a;b", true},                    // ";" between letters
      {"ab;", true},                    // ";" at the end
      {"a;bc=d", true},                 // "=" three bytes after ";"
      {"x;y\r\n||第2集", true},         // CR LF and GBK
      {";abc", false},                  // first byte ";"
      {"a;b=c", false},                 // ";" + one byte + "="
      {"周;x=1", false},                // the same after a GBK character
      {std::string("a\0b", 3), false},  // zero byte
      {";", false},
  };
  for (const CarryCase& c : cases)
    EXPECT_EQ(CanDataFileCarry(c.text), c.carried) << ::testing::PrintToString(c.text);
}

TEST(TextChecks, RefusalNamesTheField) {
  EXPECT_EQ(CheckTypedText(std::string("a;b"), "名称"), std::nullopt);
  auto unsavable = CheckTypedText(std::string("a;b=c"), "名称");
  ASSERT_TRUE(unsavable);
  EXPECT_EQ(unsavable->rfind("名称", 0), 0u);
  auto unconvertible = CheckTypedText(std::nullopt, "备注");
  ASSERT_TRUE(unconvertible);
  EXPECT_EQ(unconvertible->rfind("备注", 0), 0u);
  EXPECT_NE(unconvertible->find("GBK"), std::string::npos);
  EXPECT_NE(*unconvertible, *CheckTypedText(std::string(";"), "备注"));
}

TEST_F(FormTest, AddModeOpensAtTheCurrentMinuteWithDefaults) {
  RecordForm form;
  form.Open(clock);
  EXPECT_EQ(form.updateTime, "2006-01-31 20:30");
  EXPECT_EQ(form.weekday, -1);
  EXPECT_EQ(form.rating, -1);
  EXPECT_EQ(form.episodeText, "0");
  EXPECT_EQ(form.airHour, 0);
  EXPECT_EQ(form.airMinute, 0);
  EXPECT_FALSE(form.keywordSet);
  ASSERT_FALSE(form.Confirm());
  EXPECT_EQ(form.airTimeText, "00:00");
}

TEST_F(FormTest, EditModeKeepsTheStoredUpdateTime) {
  RecordForm form;
  form.addMode = false;
  form.updateTime = "2005-12-24 09:00";
  form.keyword = "kw";
  form.episode = 12;
  form.Open(clock);
  EXPECT_EQ(form.updateTime, "2005-12-24 09:00");
  EXPECT_TRUE(form.keywordSet);
  EXPECT_EQ(form.episodeText, "12");
}

TEST_F(FormTest, AirTimeTextIsZeroPadded) {
  struct Case {
    std::string stored;
    int hour, minute;
    std::string made;
  };
  const Case cases[] = {
      {"09:05", 9, 5, "09:05"}, {"23:30", 23, 30, "23:30"}, {"", 0, 0, "00:00"},
      {"7", 7, 0, "07:00"},     {"99:99", 0, 0, "00:00"},  // damaged: the picker cannot show it
  };
  for (const Case& c : cases) {
    RecordForm form;
    form.SetAirTime(c.stored);
    EXPECT_EQ(form.airHour, c.hour) << c.stored;
    EXPECT_EQ(form.airMinute, c.minute) << c.stored;
    form.Open(clock);
    ASSERT_FALSE(form.Confirm());
    EXPECT_EQ(form.airTimeText, c.made) << c.stored;
  }
}

TEST_F(FormTest, EpisodeMustBeAnIntegerFrom0To999) {
  struct Case {
    std::string typed;
    std::optional<int> episode;
  };
  const Case cases[] = {{"0", 0},
                        {"999", 999},
                        {" 7 ", 7},
                        {"007", 7},
                        {"1000", std::nullopt},
                        {"", std::nullopt},
                        {"-1", std::nullopt},
                        {"3a", std::nullopt},
                        {"99999999999", std::nullopt}};
  for (const Case& c : cases) {
    RecordForm form;
    form.Open(clock);
    form.episode = 42;
    form.episodeText = c.typed;
    auto refusal = form.Confirm();
    if (c.episode) {
      EXPECT_FALSE(refusal) << c.typed;
      EXPECT_EQ(form.episode, *c.episode) << c.typed;
    } else {
      ASSERT_TRUE(refusal) << c.typed;
      EXPECT_EQ(refusal->field, RecordField::kEpisode);
      EXPECT_EQ(refusal->message, kEpisodeOutOfRange);
      EXPECT_EQ(form.episode, 42) << "a refused form keeps its values";
    }
  }
}

TEST_F(FormTest, TextsTheDataFileCannotCarryAreRefusedPerField) {
  using Setter = void (*)(RecordForm&, std::optional<std::string>);
  struct Case {
    Setter set;
    RecordField field;
    const char* label;
  };
  const Case cases[] = {
      {[](RecordForm& f, std::optional<std::string> t) { f.name = t; }, RecordField::kName, "名称"},
      {[](RecordForm& f, std::optional<std::string> t) { f.notes = t; }, RecordField::kNotes,
       "备注"},
      {[](RecordForm& f, std::optional<std::string> t) { f.previewPath = t; },
       RecordField::kPreviewPath, "预览图路径"},
      {[](RecordForm& f, std::optional<std::string> t) { f.keyword = t.value_or(";"); },
       RecordField::kKeyword, "关键词"},
  };
  const std::optional<std::string> refused[] = {std::string(";x"), std::string("a;b=c"),
                                                std::string("a\0b", 3), std::nullopt};
  for (const Case& c : cases) {
    for (const auto& text : refused) {
      RecordForm form;
      form.Open(clock);
      c.set(form, text);
      auto refusal = form.Confirm();
      ASSERT_TRUE(refusal) << c.label;
      EXPECT_EQ(refusal->field, c.field);
      EXPECT_EQ(refusal->message.rfind(c.label, 0), 0u) << refusal->message;
    }
    RecordForm form;
    form.Open(clock);
    c.set(form, std::string("a;b;"));
    EXPECT_FALSE(form.Confirm()) << c.label << " accepts a ; the file carries";
  }
}

TEST_F(FormTest, TimeTextsLongerThan16BytesAreRefused) {
  RecordForm form;
  form.Open(clock);
  form.nextTime = "2006-01-31 20:30x";
  auto refusal = form.Confirm();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->field, RecordField::kNextTime);
  form.nextTime = "2006-01-31 20:30";
  form.updateTime = "2006-01-31 20:30:00";
  refusal = form.Confirm();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->field, RecordField::kUpdateTime);
}

TEST_F(FormTest, KeywordBoxProposesTheNameAndShowsWhetherAKeywordExists) {
  RecordForm form;
  form.searchSettings = nullptr;
  form.Open(clock);
  form.name = std::string("灼眼");
  KeywordForm proposed = form.MakeKeywordForm();
  EXPECT_EQ(proposed.text, std::string("灼眼"));

  proposed.text = std::string(" shana ");
  ASSERT_FALSE(proposed.Confirm());
  form.FinishKeyword(proposed, true);
  EXPECT_EQ(form.keyword, " shana ") << "the keyword is taken untrimmed";
  EXPECT_TRUE(form.keywordSet);

  // A click that the user cancels leaves the box ticked, as the keyword is set.
  form.keywordSet = false;
  KeywordForm again = form.MakeKeywordForm();
  EXPECT_EQ(again.text, std::string(" shana "));
  form.FinishKeyword(again, false);
  EXPECT_TRUE(form.keywordSet);

  // Clearing the text and confirming removes the keyword and unticks the box.
  again.text = std::string();
  ASSERT_FALSE(again.Confirm());
  form.FinishKeyword(again, true);
  EXPECT_EQ(form.keyword, "");
  EXPECT_FALSE(form.keywordSet);
}

TEST_F(FormTest, KeywordDialogRefusesWhatTheFileCannotCarry) {
  KeywordForm form;
  form.text = std::string("a;b=c");
  auto refusal = form.Confirm();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->rfind("关键词", 0), 0u);
  form.text = std::nullopt;
  EXPECT_TRUE(form.Confirm());
  form.text = std::string("ok;");
  EXPECT_FALSE(form.Confirm());
  EXPECT_EQ(form.result, "ok;");
}

TEST_F(FormTest, SearchNowTrimsAndNeedsTextAndSettings) {
  AppSettings settings;
  settings.searchPrefix = "http://s/?q=";
  settings.searchPostfix = "&x";
  settings.searchEncode = 1;
  KeywordForm form;
  form.text = std::string("  a b  ");
  auto outcome = form.SearchNow();
  EXPECT_EQ(outcome.message, kSearchNowFailed) << "no settings handed in";
  EXPECT_EQ(form.text, std::string("a b"));

  form.searchSettings = &settings;
  outcome = form.SearchNow();
  EXPECT_EQ(outcome.address, std::string("http://s/?q=a+b&x"));

  form.text = std::string("   ");
  outcome = form.SearchNow();
  EXPECT_FALSE(outcome.address);
  EXPECT_EQ(outcome.message, kSearchNowFailed);
}

TEST_F(FormTest, TimeDialogModesFollowTheEditedText) {
  RecordForm record;
  record.Open(clock);  // update time 2006-01-31 20:30
  record.nextTime = "";
  TimeForm update = record.UpdateTimeForm();
  EXPECT_TRUE(update.IsUpdateTimeMode());
  EXPECT_EQ(update.Label(), kUpdateTimeLabel);
  EXPECT_FALSE(update.CanClear());
  EXPECT_EQ(update.PickedText(), "2006-01-31 20:30");

  TimeForm next = record.NextTimeForm();
  EXPECT_EQ(next.Label(), kNextTimeLabel);
  EXPECT_TRUE(next.CanClear());
  EXPECT_EQ(next.PickedText(), "2006-01-31 20:30") << "an empty next time opens at now";

  // A next time equal to the update time behaves as the update time.
  record.nextTime = record.updateTime;
  EXPECT_TRUE(record.NextTimeForm().IsUpdateTimeMode());
}

TEST_F(FormTest, UpdateTimeMayNotLieInTheFuture) {
  RecordForm record;
  record.Open(clock);
  TimeForm form = record.UpdateTimeForm();
  EXPECT_FALSE(form.Confirm()) << "the current minute passes";
  form.minute = 31;
  EXPECT_EQ(form.Confirm(), std::string(kUpdateTimeInFuture));
  form.day = 30;
  ASSERT_FALSE(form.Confirm());
  record.TakeUpdateTime(form);
  EXPECT_EQ(record.updateTime, "2006-01-30 20:31");
}

TEST_F(FormTest, NextTimeMayNotPrecedeTheUpdateTimeAndClearsToUnknown) {
  RecordForm record;
  record.Open(clock);
  record.nextTime = "2006-02-07 20:30";
  TimeForm form = record.NextTimeForm();
  EXPECT_EQ(form.PickedText(), "2006-02-07 20:30");
  form.year = 2005;
  EXPECT_EQ(form.Confirm(), std::string(kNextTimeBeforeUpdate));
  form.year = 2007;  // later than now is fine for a next time
  ASSERT_FALSE(form.Confirm());
  record.TakeNextTime(form);
  EXPECT_EQ(record.nextTime, "2007-02-07 20:30");

  TimeForm cleared = record.NextTimeForm();
  cleared.Clear();
  record.TakeNextTime(cleared);
  EXPECT_EQ(record.nextTime, "Unknown");
  EXPECT_EQ(record.NextTimeForm().PickedText(), "2006-01-31 20:30") << "Unknown opens at now";
}

}  // namespace
}  // namespace mirevo::testing
