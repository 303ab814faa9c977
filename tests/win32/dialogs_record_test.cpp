// The record dialog: what it shows for a new and an edited work, what it
// takes back on "确定", the refusals that keep it open, and the buttons
// inside it (the two times, the keyword, the picture path).
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_title.h"
#include "app/keyword_form.h"
#include "app/record_form.h"
#include "app/time_form.h"
#include "fake_ui_services.h"
#include "modal_driver.h"
#include "reminders/time_text.h"
#include "resource.h"
#include "store/clock.h"
#include "support/temp_folder.h"
#include "ui/main/record_dialog.h"

namespace mirevo::ui {
namespace {

using namespace win32::testing;

constexpr char kTimeTitle[] = "时间设置";
constexpr char kKeywordTitle[] = "设定关键词";

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

  INT_PTR Run(RecordForm& form, DialogScript& script) {
    RecordDialog dialog(form, clock, fakes.services);
    return script.Run([&] { return dialog.RunModal(nullptr); });
  }

  FixedClock clock{ParseTimeText("2006-07-01 20:00")};
  AppSettings settings;
  FakeUiServices fakes;
};

TEST_F(RecordDialogTest, OpensShowingTheWorkOrTheDefaults) {
  struct Case {
    bool edited;
    int weekday, rating;
    bool keywordSet;
    std::vector<std::wstring> texts;  // of the controls below
  };
  const Case cases[] = {
      {true,
       0,
       3,
       true,
       {L"凉宫春日的忧郁", L"12", L"京阿尼\r\n||第12集 于 2006-06-25 21:30 更新",
        L"2006-06-25 21:30", L"2006-07-02 21:30", L"D:\\图片\\haruhi.jpg", L"09:05", L"周日(日)",
        L"☆☆☆"}},
      // A new work: the current minute of the pinned clock, episode 0.
      {false, -1, -1, false, {L"", L"0", L"", L"2006-07-01 20:00", L"", L"", L"00:00", L"", L""}}};
  const int controls[] = {IDC_NAME,        IDC_EPISODE,   IDC_NOTES,
                          IDC_UPDATE_TIME, IDC_NEXT_TIME, IDC_PICTURE_PATH,
                          IDC_AIR_TIME,    IDC_WEEKDAY,   IDC_RATING};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edited);
    RecordForm form = c.edited ? EditedWork() : NewWork();
    DialogScript script;
    script.On(c.edited ? "编辑" : "添加", [&](HWND dialog) {
      std::vector<std::wstring> texts;
      for (int id : controls) texts.push_back(Shown(dialog, id));
      EXPECT_EQ(texts, c.texts);
      EXPECT_EQ(Chosen(dialog, IDC_WEEKDAY), c.weekday);
      EXPECT_EQ(Chosen(dialog, IDC_RATING), c.rating);
      EXPECT_EQ(Checked(dialog, IDC_KEYWORD_SET), c.keywordSet);
      Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Run(form, script), IDCANCEL);
  }
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

// A refused field keeps the dialog open with the focus on it and its text
// left to fix; then either the fix is taken or cancel leaves the form.
TEST_F(RecordDialogTest, RefusedFieldKeepsTheDialogOpenWithTheFocusOnIt) {
  struct Case {
    int control;
    const wchar_t* typed;
    const char* messagePart;  // the field the message names
    const wchar_t* fix;       // nullptr: cancel
  };
  const Case cases[] = {{IDC_EPISODE, L"1000", kEpisodeOutOfRange, L"999"},
                        {IDC_EPISODE, L"", kEpisodeOutOfRange, nullptr},
                        {IDC_NAME, L";x=凉宫", "名称", nullptr},
                        {IDC_NAME, L"凉宫\u0E01", "名称", nullptr},  // Thai: no GBK form
                        {IDC_NOTES, L"备忘\u0E01", "备注", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.messagePart);
    fakes.messages.shown.clear();
    RecordForm form = EditedWork();
    const RecordForm before = form;
    DialogScript script;
    script
        .On("编辑",
            [&](HWND dialog) {
              Type(dialog, c.control, c.typed);
              Click(dialog, IDOK);
            })
        .On("编辑", [&](HWND dialog) {
          EXPECT_TRUE(HasFocus(dialog, c.control));
          EXPECT_EQ(Shown(dialog, c.control), c.typed) << "left for the user to fix";
          if (c.fix) Type(dialog, c.control, c.fix);
          Click(dialog, c.fix ? IDOK : IDCANCEL);
        });
    EXPECT_EQ(Run(form, script), c.fix ? IDOK : IDCANCEL);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].text.find(c.messagePart), std::string::npos)
        << fakes.messages.shown[0].text;
    EXPECT_EQ(fakes.messages.shown[0].caption, kAppTitle);
    EXPECT_EQ(form.episode, c.fix ? 999 : before.episode);
    EXPECT_EQ(form.name, before.name);
    EXPECT_EQ(form.notes, before.notes);
  }
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
        .On(kTimeTitle, [](HWND dialog) { Click(dialog, IDC_CLEAR_TIME); })
        .On("编辑", [escape](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_NEXT_TIME), L"Unknown");
          escape ? PressEscape() : Click(dialog, IDCANCEL);
        });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_EQ(form.name, before.name);
    EXPECT_EQ(form.episode, before.episode);
    EXPECT_EQ(form.episodeText, before.episodeText);
    EXPECT_EQ(form.weekday, before.weekday);
    EXPECT_EQ(form.nextTime, before.nextTime);
  }
}

// The two time buttons open the time dialog on their own time; what it
// hands back is shown and taken on OK. A future update time is refused.
TEST_F(RecordDialogTest, TimeButtonsSetTheUpdateAndTheNextTime) {
  struct Case {
    int button;
    const wchar_t* label;
    int closeWith;
    int day, hour, minute;  // picked in July 2006
    const char* updateTime;
    const char* nextTime;
  };
  const Case cases[] = {
      {IDC_SET_UPDATE_TIME, L"更新时间:", IDOK, 1, 19, 45, "2006-07-01 19:45", "2006-07-02 21:30"},
      {IDC_SET_NEXT_TIME, L"次回时间:", IDOK, 9, 21, 30, "2006-06-25 21:30", "2006-07-09 21:30"},
      {IDC_SET_NEXT_TIME, L"次回时间:", IDC_CLEAR_TIME, 9, 21, 30, "2006-06-25 21:30", "Unknown"},
      {IDC_SET_NEXT_TIME, L"次回时间:", IDCANCEL, 9, 21, 30, "2006-06-25 21:30",
       "2006-07-02 21:30"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nextTime);
    fakes.messages.shown.clear();
    const bool update = c.button == IDC_SET_UPDATE_TIME;
    RecordForm form = EditedWork();
    DialogScript script;
    script.On("编辑", [&](HWND dialog) { Click(dialog, c.button); })
        .On(kTimeTitle, [&](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_TIME_LABEL), c.label);
          EXPECT_EQ(Enabled(dialog, IDC_CLEAR_TIME), !update) << "an update time stays set";
          Pick(dialog, IDC_DATE_PICKER, 2006, 7, c.day, 0, 0);
          // For the update time first a minute after now.
          Pick(dialog, IDC_TIME_PICKER, 2006, 7, c.day, update ? 20 : c.hour,
               update ? 1 : c.minute);
          Click(dialog, c.closeWith);
        });
    if (update) {
      script.On(kTimeTitle, [&](HWND dialog) {
        Pick(dialog, IDC_TIME_PICKER, 2006, 7, c.day, c.hour, c.minute);
        Click(dialog, IDOK);
      });
    }
    script.On("编辑", [&](HWND dialog) {
      EXPECT_EQ(Shown(dialog, update ? IDC_UPDATE_TIME : IDC_NEXT_TIME),
                win32::WideFromGbk(update ? c.updateTime : c.nextTime));
      Click(dialog, IDOK);
    });
    EXPECT_EQ(Run(form, script), IDOK);
    EXPECT_EQ(form.updateTime, c.updateTime);
    EXPECT_EQ(form.nextTime, c.nextTime);
    ASSERT_EQ(fakes.messages.shown.size(), update ? 1u : 0u);
    if (update) {
      EXPECT_EQ(fakes.messages.shown[0].text, kUpdateTimeInFuture);
    }
  }
}

// The check box ends showing whether a keyword exists, whatever the click
// did to it and however the keyword dialog ended.
TEST_F(RecordDialogTest, KeywordCheckBoxFollowsTheKeyword) {
  struct Case {
    const char* keyword;      // before the click
    const wchar_t* proposed;  // what the keyword dialog opens with
    const wchar_t* typed;     // nullptr: leave the text
    bool confirm;
    bool checkedAfter;
    const char* keywordAfter;
  };
  const Case cases[] = {
      // An empty keyword proposes the typed name.
      {"", L"灼眼的夏娜", nullptr, true, true, "灼眼的夏娜"},
      {"凉宫春日", L"凉宫春日", L"", true, false, ""},  // clearing removes the keyword
      {"凉宫春日", L"凉宫春日", L"", false, true, "凉宫春日"},
      {"", L"灼眼的夏娜", L"夏娜", false, false, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keywordAfter);
    RecordForm form = EditedWork();
    form.keyword = c.keyword;
    form.Open(clock);
    DialogScript script;
    script
        .On("编辑",
            [](HWND dialog) {
              Type(dialog, IDC_NAME, L"灼眼的夏娜");
              Click(dialog, IDC_KEYWORD_SET);
            })
        .On(kKeywordTitle,
            [&](HWND dialog) {
              EXPECT_EQ(Shown(dialog, IDC_KEYWORD), c.proposed);
              if (c.typed) Type(dialog, IDC_KEYWORD, c.typed);
              Click(dialog, c.confirm ? IDOK : IDCANCEL);
            })
        .On("编辑", [&](HWND dialog) {
          EXPECT_EQ(Checked(dialog, IDC_KEYWORD_SET), c.checkedAfter);
          Click(dialog, IDOK);
        });
    EXPECT_EQ(Run(form, script), IDOK);
    EXPECT_EQ(form.keyword, c.keywordAfter);
    EXPECT_EQ(form.keywordSet, c.checkedAfter);
  }
}

TEST_F(RecordDialogTest, KeywordDialogSearchesWithTheMainWindowsSettings) {
  settings.searchEncode = 1;
  settings.searchPrefix = "http://search.example/?q=";
  settings.searchPostfix = "";
  RecordForm form = EditedWork();
  DialogScript script;
  script.On("编辑", [](HWND dialog) { Click(dialog, IDC_KEYWORD_SET); })
      .On(kKeywordTitle,
          [](HWND dialog) {
            Type(dialog, IDC_KEYWORD, L"中");
            Click(dialog, IDC_SEARCH_NOW);
          })
      .On(kKeywordTitle, [](HWND dialog) { Click(dialog, IDCANCEL); })
      .On("编辑", [](HWND dialog) { Click(dialog, IDCANCEL); });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  ASSERT_EQ(fakes.shell.opened.size(), 1u);
  EXPECT_EQ(fakes.shell.opened[0].address, "http://search.example/?q=%D6%D0");
}

// The system's file-open dialog: the one dialog here with a file-name box
// (cmb13 or edt1).
HWND FileNameBox(HWND dialog) {
  HWND box = ::GetDlgItem(dialog, 0x47C);
  return box != nullptr ? box : ::GetDlgItem(dialog, 0x480);
}

// "浏览..." takes a chosen picture's path without changing the current
// folder; a path without a GBK form is refused on OK until cleared.
TEST_F(RecordDialogTest, BrowseTakesThePictureAndClearEmptiesIt) {
  for (const wchar_t* name : {L"夏娜.bmp", L"\u0E01.bmp"}) {
    const bool gbk = name[0] != L'\u0E01';
    SCOPED_TRACE(gbk);
    fakes.messages.shown.clear();
    mirevo::testing::TempFolder folder;  // not the current folder
    const std::wstring picture = (folder.path() / name).wstring();
    std::ofstream(std::filesystem::path(picture), std::ios::binary) << "BM";
    const std::filesystem::path folderBefore = std::filesystem::current_path();
    RecordForm form = EditedWork();
    DialogScript script;
    script.On("编辑", [](HWND dialog) { Click(dialog, IDC_BROWSE_PICTURE); })
        .When([](HWND dialog) { return FileNameBox(dialog) != nullptr; },
              [&](HWND dialog) {
                ::SendMessageW(FileNameBox(dialog), WM_SETTEXT, 0,
                               reinterpret_cast<LPARAM>(picture.c_str()));
                PostCommand(dialog, IDOK);
              })
        .On("编辑", [&](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_PICTURE_PATH), picture);
          Click(dialog, IDOK);
        });
    if (!gbk) {
      script
          .On("编辑",
              [&](HWND dialog) {
                EXPECT_TRUE(HasFocus(dialog, IDC_BROWSE_PICTURE));
                Click(dialog, IDC_CLEAR_PICTURE);
              })
          .On("编辑", [&](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_PICTURE_PATH), L"");
            Click(dialog, IDOK);
          });
    }
    EXPECT_EQ(Run(form, script), IDOK);
    EXPECT_EQ(std::filesystem::current_path(), folderBefore);
    EXPECT_EQ(form.previewPath, gbk ? win32::GbkFromWide(picture) : std::string());
    ASSERT_EQ(fakes.messages.shown.size(), gbk ? 0u : 1u);
    if (gbk) continue;
    EXPECT_NE(fakes.messages.shown[0].text.find("预览图路径"), std::string::npos);
  }
}

}  // namespace
}  // namespace mirevo::ui
