// The time dialog: what it shows for an update time and a next time, the
// checks on "确定", "清零", and that only OK hands a time back.
#include <gtest/gtest.h>

#include <string>

#include "app/app_title.h"
#include "dialogs_driver.h"
#include "fake_ui_services.h"
#include "reminders/time_text.h"
#include "resource.h"
#include "store/clock.h"
#include "ui/main/time_dialog.h"

namespace mirevo::ui {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::Enabled;
using testing::Pick;
using testing::PickerValue;
using testing::Shown;

constexpr char kTitle[] = "时间设置";
constexpr char kNow[] = "2006-03-01 21:30";

class TimeDialogTest : public ::testing::Test {
 protected:
  TimeForm MakeForm(std::string edited, std::string updateTime) {
    TimeForm form;
    form.editedText = std::move(edited);
    form.updateTimeText = std::move(updateTime);
    form.Open(clock);
    return form;
  }

  INT_PTR Run(TimeForm& form, DialogScript& script) {
    TimeDialog dialog(form, fakes.services);
    return script.Run([&] { return dialog.RunModal(nullptr); });
  }

  FixedClock clock{ParseTimeText(kNow)};
  win32::testing::FakeUiServices fakes;
};

struct Opened {
  std::wstring label;
  bool clearEnabled;
  SYSTEMTIME date;
  SYSTEMTIME time;
  std::wstring dateText;
  std::wstring timeText;
};

Opened Observe(HWND dialog) {
  return {Shown(dialog, IDC_TIME_LABEL),        Enabled(dialog, IDC_CLEAR_TIME),
          PickerValue(dialog, IDC_DATE_PICKER), PickerValue(dialog, IDC_TIME_PICKER),
          Shown(dialog, IDC_DATE_PICKER),       Shown(dialog, IDC_TIME_PICKER)};
}

TEST_F(TimeDialogTest, OpensInTheModeOfTheEditedText) {
  struct Case {
    const char* edited;
    const char* updateTime;
    const wchar_t* label;
    bool clearEnabled;
    int year, month, day, hour, minute;
  };
  const Case cases[] = {
      // date1: the update time itself.
      {"2006-02-20 08:05", "2006-02-20 08:05", L"更新时间:", false, 2006, 2, 20, 8, 5},
      // date2 with a next time.
      {"2006-02-27 23:59", "2006-02-20 08:05", L"次回时间:", true, 2006, 2, 27, 23, 59},
      // A cleared or missing next time opens at now.
      {"Unknown", "2006-02-20 08:05", L"次回时间:", true, 2006, 3, 1, 21, 30},
      {"", "2006-02-20 08:05", L"次回时间:", true, 2006, 3, 1, 21, 30},
      // A next time equal to the update time behaves as the update time.
      {"2006-02-20 08:05", "2006-02-20 08:05", L"更新时间:", false, 2006, 2, 20, 8, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edited);
    TimeForm form = MakeForm(c.edited, c.updateTime);
    Opened seen{};
    DialogScript script;
    script.On(kTitle, [&](HWND dialog) {
      seen = Observe(dialog);
      Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_EQ(seen.label, c.label);
    EXPECT_EQ(seen.clearEnabled, c.clearEnabled);
    EXPECT_EQ(seen.date.wYear, c.year);
    EXPECT_EQ(seen.date.wMonth, c.month);
    EXPECT_EQ(seen.date.wDay, c.day);
    EXPECT_EQ(seen.time.wHour, c.hour);
    EXPECT_EQ(seen.time.wMinute, c.minute);
    EXPECT_EQ(form.editedText, c.edited) << "cancel hands nothing back";
  }
}

TEST_F(TimeDialogTest, PickersUseTheProgramsFormats) {
  TimeForm form = MakeForm("2006-02-07 09:05", "2006-02-07 09:05");
  Opened seen{};
  DialogScript script;
  script.On(kTitle, [&](HWND dialog) {
    seen = Observe(dialog);
    Click(dialog, IDCANCEL);
  });
  Run(form, script);
  EXPECT_EQ(seen.dateText, L"2006-02-07");
  EXPECT_EQ(seen.timeText, L"09:05");
}

TEST_F(TimeDialogTest, UpdateTimeInTheFutureIsRefusedAndTheDialogStaysOpen) {
  TimeForm form = MakeForm("2006-02-20 08:05", "2006-02-20 08:05");
  std::size_t shownAfterRefusal = 0;
  DialogScript script;
  script
      .On(kTitle,
          [](HWND dialog) {
            // One minute after the pinned now.
            Pick(dialog, IDC_DATE_PICKER, 2006, 3, 1, 0, 0);
            Pick(dialog, IDC_TIME_PICKER, 2006, 3, 1, 21, 31);
            Click(dialog, IDOK);
          })
      .On(kTitle, [&](HWND dialog) {
        shownAfterRefusal = fakes.messages.shown.size();
        // The current minute itself is not in the future.
        Pick(dialog, IDC_TIME_PICKER, 2006, 3, 1, 21, 30);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  ASSERT_EQ(shownAfterRefusal, 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, kUpdateTimeInFuture);
  EXPECT_EQ(fakes.messages.shown[0].caption, kAppTitle);
  EXPECT_NE(fakes.messages.shown[0].owner, nullptr);
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(form.editedText, kNow);
}

TEST_F(TimeDialogTest, NextTimeBeforeTheUpdateTimeIsRefused) {
  TimeForm form = MakeForm("2006-02-27 20:00", "2006-02-20 08:05");
  std::size_t shownAfterRefusal = 0;
  DialogScript script;
  script
      .On(kTitle,
          [](HWND dialog) {
            Pick(dialog, IDC_DATE_PICKER, 2006, 2, 20, 0, 0);
            Pick(dialog, IDC_TIME_PICKER, 2006, 2, 20, 8, 4);
            Click(dialog, IDOK);
          })
      .On(kTitle, [&](HWND dialog) {
        shownAfterRefusal = fakes.messages.shown.size();
        // Equal to the update time passes; the future is fine for a next time.
        Pick(dialog, IDC_DATE_PICKER, 2007, 1, 9, 0, 0);
        Pick(dialog, IDC_TIME_PICKER, 2007, 1, 9, 7, 0);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  ASSERT_EQ(shownAfterRefusal, 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, kNextTimeBeforeUpdate);
  EXPECT_EQ(fakes.messages.shown[0].caption, kAppTitle);
  EXPECT_EQ(form.editedText, "2007-01-09 07:00");
}

TEST_F(TimeDialogTest, ClearGivesUnknownWithoutChecks) {
  TimeForm form = MakeForm("2006-02-27 20:00", "2006-02-20 08:05");
  DialogScript script;
  script.On(kTitle, [](HWND dialog) {
    // A time the check would refuse: "清零" does not look at the pickers.
    Pick(dialog, IDC_DATE_PICKER, 2000, 1, 1, 0, 0);
    Click(dialog, IDC_CLEAR_TIME);
  });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(form.editedText, "Unknown");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(TimeDialogTest, ClearCannotEmptyAnUpdateTime) {
  TimeForm form = MakeForm("2006-02-20 08:05", "2006-02-20 08:05");
  DialogScript script;
  script
      .On(kTitle,
          [](HWND dialog) {
            // The button is disabled; the command is sent the way only a
            // program could.
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CLEAR_TIME, BN_CLICKED), 0);
          })
      .On(kTitle, [](HWND dialog) { Click(dialog, IDCANCEL); });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_EQ(form.editedText, "2006-02-20 08:05");
}

TEST_F(TimeDialogTest, CancelAfterARefusalHandsNothingBack) {
  TimeForm form = MakeForm("2006-02-27 20:00", "2006-02-20 08:05");
  const TimeForm before = form;
  DialogScript script;
  script
      .On(kTitle,
          [](HWND dialog) {
            Pick(dialog, IDC_DATE_PICKER, 2005, 1, 1, 0, 0);
            Click(dialog, IDOK);
          })
      .On(kTitle, [](HWND) { testing::PressEscape(); });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(form.editedText, before.editedText);
  EXPECT_EQ(form.year, before.year);
  EXPECT_EQ(form.month, before.month);
  EXPECT_EQ(form.day, before.day);
}

}  // namespace
}  // namespace mirevo::ui
