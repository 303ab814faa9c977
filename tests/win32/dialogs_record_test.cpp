// The record dialog: what it shows for a new and an edited work, what it
// takes back on "确定", and the refusals that keep it open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_title.h"
#include "app/record_form.h"
#include "dialogs_record_fixture.h"
#include "resource.h"

namespace mirevo::ui {
namespace {

using testing::Checked;
using testing::Choose;
using testing::Chosen;
using testing::Click;
using testing::ComboItems;
using testing::DialogScript;
using testing::HasFocus;
using testing::Pick;
using testing::PickerValue;
using testing::Shown;
using testing::Type;

TEST_F(RecordDialogTest, EditedWorkIsShownAsStored) {
  RecordForm form = EditedWork();
  struct Seen {
    std::wstring title, name, episode, notes, updateTime, nextTime, path, airText;
    int weekday = -2, rating = -2;
    SYSTEMTIME air{};
    bool keywordSet = false;
    std::vector<std::wstring> weekdays, ratings;
  } seen;
  DialogScript script;
  script.On("编辑", [&](HWND dialog) {
    seen = {testing::WindowTitle(dialog),      Shown(dialog, IDC_NAME),
            Shown(dialog, IDC_EPISODE),        Shown(dialog, IDC_NOTES),
            Shown(dialog, IDC_UPDATE_TIME),    Shown(dialog, IDC_NEXT_TIME),
            Shown(dialog, IDC_PICTURE_PATH),   Shown(dialog, IDC_AIR_TIME),
            Chosen(dialog, IDC_WEEKDAY),       Chosen(dialog, IDC_RATING),
            PickerValue(dialog, IDC_AIR_TIME), Checked(dialog, IDC_KEYWORD_SET),
            ComboItems(dialog, IDC_WEEKDAY),   ComboItems(dialog, IDC_RATING)};
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_EQ(seen.name, L"凉宫春日的忧郁");
  EXPECT_EQ(seen.episode, L"12");
  EXPECT_EQ(seen.notes, L"京阿尼\r\n||第12集 于 2006-06-25 21:30 更新");
  EXPECT_EQ(seen.updateTime, L"2006-06-25 21:30") << "editing keeps the stored update time";
  EXPECT_EQ(seen.nextTime, L"2006-07-02 21:30");
  EXPECT_EQ(seen.path, L"D:\\图片\\haruhi.jpg");
  EXPECT_EQ(seen.weekday, 0);
  EXPECT_EQ(seen.rating, 3);
  EXPECT_EQ(seen.air.wHour, 9);
  EXPECT_EQ(seen.air.wMinute, 5);
  EXPECT_EQ(seen.airText, L"09:05");
  EXPECT_TRUE(seen.keywordSet);
  EXPECT_EQ(seen.weekdays,
            (std::vector<std::wstring>{L"周日(日)", L"周一(月)", L"周二(火)", L"周三(水)",
                                       L"周四(木)", L"周五(金)", L"周六(土)"}));
  EXPECT_EQ(seen.ratings, (std::vector<std::wstring>{L"", L"☆", L"☆☆", L"☆☆☆"}));
}

TEST_F(RecordDialogTest, NewWorkOpensAtItsDefaults) {
  RecordForm form = NewWork();
  std::wstring updateTime, episode, nextTime;
  int weekday = -2, rating = -2;
  SYSTEMTIME air{};
  bool keywordSet = true;
  DialogScript script;
  script.On("添加", [&](HWND dialog) {
    updateTime = Shown(dialog, IDC_UPDATE_TIME);
    episode = Shown(dialog, IDC_EPISODE);
    nextTime = Shown(dialog, IDC_NEXT_TIME);
    weekday = Chosen(dialog, IDC_WEEKDAY);
    rating = Chosen(dialog, IDC_RATING);
    air = PickerValue(dialog, IDC_AIR_TIME);
    keywordSet = Checked(dialog, IDC_KEYWORD_SET);
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_EQ(updateTime, L"2006-07-01 20:00") << "the current minute of the pinned clock";
  EXPECT_EQ(episode, L"0");
  EXPECT_EQ(nextTime, L"");
  EXPECT_EQ(weekday, -1);
  EXPECT_EQ(rating, -1);
  EXPECT_EQ(air.wHour, 0);
  EXPECT_EQ(air.wMinute, 0);
  EXPECT_FALSE(keywordSet);
}

TEST_F(RecordDialogTest, OkTakesEveryTypedValueBack) {
  RecordForm form = NewWork();
  DialogScript script;
  script.On("添加", [](HWND dialog) {
    Type(dialog, IDC_NAME, L"灼眼的夏娜");
    Type(dialog, IDC_EPISODE, L"13");
    Type(dialog, IDC_NOTES, L"第二季\r\n十月开播");
    Choose(dialog, IDC_WEEKDAY, 5);
    Choose(dialog, IDC_RATING, 2);
    Pick(dialog, IDC_AIR_TIME, 2005, 2, 14, 1, 5);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(form.name, "灼眼的夏娜");
  EXPECT_EQ(form.episode, 13);
  EXPECT_EQ(form.notes, "第二季\r\n十月开播");
  EXPECT_EQ(form.weekday, 5);
  EXPECT_EQ(form.rating, 2);
  EXPECT_EQ(form.airTimeText, "01:05");
  EXPECT_EQ(form.updateTime, "2006-07-01 20:00");
  EXPECT_EQ(form.nextTime, "");
  EXPECT_EQ(form.keyword, "");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(RecordDialogTest, RefusedFieldKeepsTheDialogOpenWithTheFocusOnIt) {
  struct Case {
    int control;
    const wchar_t* typed;
    const char* messagePart;  // the field the message names
  };
  const Case cases[] = {
      {IDC_EPISODE, L"1000", kEpisodeOutOfRange},
      {IDC_EPISODE, L"", kEpisodeOutOfRange},
      {IDC_NAME, L";x=凉宫", "名称"},
      {IDC_NAME, L"凉宫\u0E01", "名称"},  // Thai: no GBK form
      {IDC_NOTES, L"备忘\u0E01", "备注"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::WideForTrace(c.typed));
    fakes.messages.shown.clear();
    RecordForm form = EditedWork();
    const RecordForm before = form;
    bool stillOpen = false;
    bool focused = false;
    std::wstring typedAfter;
    DialogScript script;
    script
        .On("编辑",
            [&](HWND dialog) {
              Type(dialog, c.control, c.typed);
              Click(dialog, IDOK);
            })
        .On("编辑", [&](HWND dialog) {
          stillOpen = true;
          focused = HasFocus(dialog, c.control);
          typedAfter = Shown(dialog, c.control);
          Click(dialog, IDCANCEL);
        });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focused);
    EXPECT_EQ(typedAfter, c.typed) << "the refused text stays for the user to fix";
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].text.find(c.messagePart), std::string::npos)
        << fakes.messages.shown[0].text;
    EXPECT_EQ(fakes.messages.shown[0].caption, kAppTitle);
    EXPECT_EQ(form.name, before.name);
    EXPECT_EQ(form.episode, before.episode);
    EXPECT_EQ(form.notes, before.notes);
  }
}

TEST_F(RecordDialogTest, CorrectedAfterARefusalIsTakenOnTheNextOk) {
  RecordForm form = EditedWork();
  DialogScript script;
  script
      .On("编辑",
          [](HWND dialog) {
            Type(dialog, IDC_EPISODE, L"1000");
            Click(dialog, IDOK);
          })
      .On("编辑", [](HWND dialog) {
        Type(dialog, IDC_EPISODE, L"999");
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(form.episode, 999);
}

TEST_F(RecordDialogTest, CancelAndEscapeLeaveTheCallersFormAsItWas) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "取消");
    RecordForm form = EditedWork();
    const RecordForm before = form;
    DialogScript script;
    script
        .On("编辑",
            [](HWND dialog) {
              Type(dialog, IDC_NAME, L"别的名字");
              Type(dialog, IDC_EPISODE, L"13");
              Choose(dialog, IDC_WEEKDAY, 4);
              Click(dialog, IDC_SET_NEXT_TIME);
            })
        .On("时间设置", [](HWND dialog) { Click(dialog, IDC_CLEAR_TIME); })
        .On("编辑", [escape](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_NEXT_TIME), L"Unknown");
          if (escape) {
            testing::PressEscape();
          } else {
            Click(dialog, IDCANCEL);
          }
        });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_EQ(form.name, before.name);
    EXPECT_EQ(form.episode, before.episode);
    EXPECT_EQ(form.episodeText, before.episodeText);
    EXPECT_EQ(form.weekday, before.weekday);
    EXPECT_EQ(form.nextTime, before.nextTime);
  }
}

}  // namespace
}  // namespace mirevo::ui
