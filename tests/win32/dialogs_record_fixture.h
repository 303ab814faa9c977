// The record dialog under test: a pinned clock, fake services and the two
// kinds of work it opens on.
#pragma once

#include <gtest/gtest.h>

#include "app/record_form.h"
#include "dialogs_driver.h"
#include "fake_ui_services.h"
#include "reminders/time_text.h"
#include "store/clock.h"
#include "ui/main/record_dialog.h"

namespace mirevo::ui {

class RecordDialogTest : public ::testing::Test {
 protected:
  // What the add command hands in: title "添加", defaults, add mode.
  RecordForm NewWork() {
    RecordForm form;
    form.title = "添加";
    form.searchSettings = &settings;
    form.Open(clock);
    return form;
  }

  // What the edit command hands in for a stored work.
  RecordForm EditedWork() {
    RecordForm form;
    form.title = "编辑";
    form.addMode = false;
    form.weekday = 0;
    form.name = "凉宫春日的忧郁";
    form.episode = 12;
    form.notes = "京阿尼\r\n||第12集 于 2006-06-25 21:30 更新";
    form.updateTime = "2006-06-25 21:30";
    form.nextTime = "2006-07-02 21:30";
    form.SetAirTime("09:05");
    form.rating = 3;
    form.previewPath = "D:\\图片\\haruhi.jpg";
    form.keyword = "凉宫春日";
    form.searchSettings = &settings;
    form.Open(clock);
    return form;
  }

  INT_PTR Run(RecordForm& form, testing::DialogScript& script) {
    RecordDialog dialog(form, clock, fakes.services);
    return script.Run([&] { return dialog.RunModal(nullptr); });
  }

  FixedClock clock{ParseTimeText("2006-07-01 20:00")};
  AppSettings settings;
  win32::testing::FakeUiServices fakes;
};

}  // namespace mirevo::ui
