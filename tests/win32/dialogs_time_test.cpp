// The time dialog: what it shows for an update time and a next time, the
// checks on "确定", "清零", and that only OK hands a time back.
#include <gtest/gtest.h>

#include <string>

#include "app/app_title.h"
#include "fake_ui_services.h"
#include "modal_driver.h"
#include "reminders/time_text.h"
#include "resource.h"
#include "store/clock.h"
#include "ui/main/time_dialog.h"

namespace mirevo::ui {
namespace {

using namespace win32::testing;

constexpr char kTitle[] = "时间设置";
constexpr char kNow[] = "2006-03-01 21:30";

class TimeDialogTest : public ::testing::Test {
 protected:
  INT_PTR Run(TimeForm& form, DialogScript& script) {
    TimeDialog dialog(form, fakes.services);
    return script.Run([&] { return dialog.RunModal(nullptr); });
  }

  TimeForm MakeForm(std::string edited, std::string updateTime) {
    TimeForm form;
    form.editedText = std::move(edited);
    form.updateTimeText = std::move(updateTime);
    form.Open(clock);
    return form;
  }

  FixedClock clock{ParseTimeText(kNow)};
  FakeUiServices fakes;
};

TEST_F(TimeDialogTest, OpensInTheModeOfTheEditedText) {
  struct Case {
    const char* edited;
    const wchar_t* label;
    const wchar_t* date;  // as the pickers show them: their formats are the program's
    const wchar_t* time;
  };
  const Case cases[] = {// date1: the update time itself (2006-02-20 08:05), also when a next
                        // time equals it.
                        {"2006-02-20 08:05", L"更新时间:", L"2006-02-20", L"08:05"},
                        // date2 with a next time.
                        {"2006-02-27 23:59", L"次回时间:", L"2006-02-27", L"23:59"},
                        // A cleared or missing next time opens at now.
                        {"Unknown", L"次回时间:", L"2006-03-01", L"21:30"},
                        {"", L"次回时间:", L"2006-03-01", L"21:30"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edited);
    TimeForm form = MakeForm(c.edited, "2006-02-20 08:05");
    DialogScript script;
    script.On(kTitle, [&](HWND dialog) {
      EXPECT_EQ(Shown(dialog, IDC_TIME_LABEL), c.label);
      EXPECT_EQ(Enabled(dialog, IDC_CLEAR_TIME), c.label == std::wstring(L"次回时间:"))
          << "only a next time can be cleared";
      EXPECT_EQ(Shown(dialog, IDC_DATE_PICKER), c.date);
      EXPECT_EQ(Shown(dialog, IDC_TIME_PICKER), c.time);
      Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_EQ(form.editedText, c.edited) << "cancel hands nothing back";
  }
}

// A refused time keeps the dialog open; the next choice is taken, or Escape
// hands nothing back.
TEST_F(TimeDialogTest, RefusesAFutureUpdateTimeAndANextTimeBeforeTheUpdate) {
  struct At {
    int year, month, day, hour, minute;
  };
  struct Case {
    const char* edited;
    At refused;
    const char* message;
    At taken;  // year 0: Escape
    const char* result;
  };
  const Case cases[] = {
      // One minute after the pinned now; the current minute itself passes.
      {"2006-02-20 08:05", {2006, 3, 1, 21, 31}, kUpdateTimeInFuture, {2006, 3, 1, 21, 30}, kNow},
      // A minute before the update time; the future is fine for a next time.
      {"2006-02-27 20:00",
       {2006, 2, 20, 8, 4},
       kNextTimeBeforeUpdate,
       {2007, 1, 9, 7, 0},
       "2007-01-09 07:00"},
      {"2006-02-27 20:00", {2005, 1, 1, 0, 0}, kNextTimeBeforeUpdate, {}, "2006-02-27 20:00"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    fakes.messages.shown.clear();
    TimeForm form = MakeForm(c.edited, "2006-02-20 08:05");
    const auto pick = [](HWND dialog, const At& t) {
      Pick(dialog, IDC_DATE_PICKER, t.year, t.month, t.day, 0, 0);
      Pick(dialog, IDC_TIME_PICKER, t.year, t.month, t.day, t.hour, t.minute);
    };
    DialogScript script;
    script
        .On(kTitle,
            [&](HWND dialog) {
              pick(dialog, c.refused);
              Click(dialog, IDOK);
            })
        .On(kTitle, [&](HWND dialog) {
          EXPECT_EQ(fakes.messages.shown.size(), 1u) << "refused before this step";
          if (c.taken.year == 0) return PressEscape();
          pick(dialog, c.taken);
          Click(dialog, IDOK);
        });
    EXPECT_EQ(Run(form, script), c.taken.year == 0 ? IDCANCEL : IDOK);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, c.message);
    EXPECT_EQ(fakes.messages.shown[0].caption, kAppTitle);
    EXPECT_NE(fakes.messages.shown[0].owner, nullptr);
    EXPECT_EQ(form.editedText, c.result);
  }
}

// "清零" gives "Unknown" without looking at the pickers, and cannot empty an
// update time even when the command comes while the button is disabled.
TEST_F(TimeDialogTest, ClearGivesUnknownForANextTimeOnly) {
  for (bool next : {true, false}) {
    const char* edited = next ? "2006-02-27 20:00" : "2006-02-20 08:05";
    SCOPED_TRACE(edited);
    TimeForm form = MakeForm(edited, "2006-02-20 08:05");
    DialogScript script;
    script.On(kTitle, [](HWND dialog) {
      Pick(dialog, IDC_DATE_PICKER, 2000, 1, 1, 0, 0);  // the check would refuse it
      PostCommand(dialog, IDC_CLEAR_TIME);
    });
    if (!next) script.On(kTitle, [](HWND dialog) { Click(dialog, IDCANCEL); });
    EXPECT_EQ(Run(form, script), next ? IDOK : IDCANCEL);
    EXPECT_EQ(form.editedText, next ? "Unknown" : edited);
    EXPECT_TRUE(fakes.messages.shown.empty());
  }
}

}  // namespace
}  // namespace mirevo::ui
