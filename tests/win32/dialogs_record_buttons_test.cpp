// The buttons inside the record dialog: the two time buttons, the keyword
// check box and the picture path.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "app/app_title.h"
#include "app/keyword_form.h"
#include "app/time_form.h"
#include "dialogs_record_fixture.h"
#include "resource.h"

namespace mirevo::ui {
namespace {

using testing::Checked;
using testing::Click;
using testing::DialogScript;
using testing::Enabled;
using testing::Pick;
using testing::Shown;
using testing::Type;

constexpr char kTimeTitle[] = "时间设置";
constexpr char kKeywordTitle[] = "设定关键词";

TEST_F(RecordDialogTest, Date1SetsTheUpdateTimeAndRefusesTheFuture) {
  RecordForm form = EditedWork();
  std::wstring label;
  bool clearEnabled = true;
  std::wstring shownAfter;
  DialogScript script;
  script.On("编辑", [](HWND dialog) { Click(dialog, IDC_SET_UPDATE_TIME); })
      .On(kTimeTitle,
          [&](HWND dialog) {
            label = Shown(dialog, IDC_TIME_LABEL);
            clearEnabled = Enabled(dialog, IDC_CLEAR_TIME);
            Pick(dialog, IDC_DATE_PICKER, 2006, 7, 1, 0, 0);
            Pick(dialog, IDC_TIME_PICKER, 2006, 7, 1, 20, 1);  // a minute after now
            Click(dialog, IDOK);
          })
      .On(kTimeTitle,
          [](HWND dialog) {
            Pick(dialog, IDC_TIME_PICKER, 2006, 7, 1, 19, 45);
            Click(dialog, IDOK);
          })
      .On("编辑", [&](HWND dialog) {
        shownAfter = Shown(dialog, IDC_UPDATE_TIME);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(label, L"更新时间:");
  EXPECT_FALSE(clearEnabled);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, kUpdateTimeInFuture);
  EXPECT_EQ(fakes.messages.shown[0].caption, kAppTitle);
  EXPECT_EQ(shownAfter, L"2006-07-01 19:45");
  EXPECT_EQ(form.updateTime, "2006-07-01 19:45");
}

TEST_F(RecordDialogTest, Date2SetsOrClearsTheNextTime) {
  struct Case {
    bool clear;
    const char* nextTime;
  };
  for (const Case& c : {Case{false, "2006-07-09 21:30"}, Case{true, "Unknown"}}) {
    SCOPED_TRACE(c.nextTime);
    RecordForm form = EditedWork();
    std::wstring label;
    DialogScript script;
    script.On("编辑", [](HWND dialog) { Click(dialog, IDC_SET_NEXT_TIME); })
        .On(kTimeTitle,
            [&](HWND dialog) {
              label = Shown(dialog, IDC_TIME_LABEL);
              Pick(dialog, IDC_DATE_PICKER, 2006, 7, 9, 0, 0);
              Click(dialog, c.clear ? IDC_CLEAR_TIME : IDOK);
            })
        .On("编辑", [](HWND dialog) { Click(dialog, IDOK); });
    EXPECT_EQ(Run(form, script), IDOK);
    EXPECT_EQ(label, L"次回时间:");
    EXPECT_EQ(form.nextTime, c.nextTime);
    EXPECT_EQ(form.updateTime, "2006-06-25 21:30");
  }
}

TEST_F(RecordDialogTest, CancelledTimeDialogKeepsTheShownTime) {
  RecordForm form = EditedWork();
  std::wstring shownAfter;
  DialogScript script;
  script.On("编辑", [](HWND dialog) { Click(dialog, IDC_SET_NEXT_TIME); })
      .On(kTimeTitle,
          [](HWND dialog) {
            Pick(dialog, IDC_DATE_PICKER, 2007, 1, 1, 0, 0);
            Click(dialog, IDCANCEL);
          })
      .On("编辑", [&](HWND dialog) {
        shownAfter = Shown(dialog, IDC_NEXT_TIME);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(shownAfter, L"2006-07-02 21:30");
  EXPECT_EQ(form.nextTime, "2006-07-02 21:30");
}

// The check box ends showing whether a keyword exists, whatever the click
// did to it and however the keyword dialog ended.
TEST_F(RecordDialogTest, KeywordCheckBoxFollowsTheKeyword) {
  struct Case {
    const char* label;
    const char* keyword;      // before the click
    const wchar_t* proposed;  // what the keyword dialog opens with
    const wchar_t* typed;     // nullptr: leave the text
    bool confirm;
    bool checkedAfter;
    const char* keywordAfter;
  };
  const Case cases[] = {
      {"empty keyword proposes the typed name", "", L"灼眼的夏娜", nullptr, true, true,
       "灼眼的夏娜"},
      {"clearing the text removes the keyword", "凉宫春日", L"凉宫春日", L"", true, false, ""},
      {"cancel keeps the keyword, box stays ticked", "凉宫春日", L"凉宫春日", L"", false, true,
       "凉宫春日"},
      {"cancel without keyword, box stays empty", "", L"灼眼的夏娜", L"夏娜", false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RecordForm form = EditedWork();
    form.keyword = c.keyword;
    form.Open(clock);
    std::wstring proposed;
    bool checkedAfter = !c.checkedAfter;
    DialogScript script;
    script
        .On("编辑",
            [](HWND dialog) {
              Type(dialog, IDC_NAME, L"灼眼的夏娜");
              Click(dialog, IDC_KEYWORD_SET);
            })
        .On(kKeywordTitle,
            [&](HWND dialog) {
              proposed = Shown(dialog, IDC_KEYWORD);
              if (c.typed) Type(dialog, IDC_KEYWORD, c.typed);
              Click(dialog, c.confirm ? IDOK : IDCANCEL);
            })
        .On("编辑", [&](HWND dialog) {
          checkedAfter = Checked(dialog, IDC_KEYWORD_SET);
          Click(dialog, IDOK);
        });
    EXPECT_EQ(Run(form, script), IDOK);
    EXPECT_EQ(proposed, c.proposed);
    EXPECT_EQ(checkedAfter, c.checkedAfter);
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

// A picture file in a folder of its own, so that a changed current
// directory would show.
class PictureFile {
 public:
  explicit PictureFile(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"mirevo_dialogs_test";
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    path_ = folder_ + L"\\" + name;
    HANDLE file = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, "BM", 2, &written, nullptr);
    ::CloseHandle(file);
  }
  ~PictureFile() {
    ::DeleteFileW(path_.c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring folder_;
  std::wstring path_;
};

// The system's file-open dialog: the one dialog here with a file-name box.
bool IsFileDialog(HWND dialog) {
  constexpr int kFileNameCombo = 0x47C;  // cmb13
  constexpr int kFileNameEdit = 0x480;   // edt1
  return ::GetDlgItem(dialog, kFileNameCombo) != nullptr ||
         ::GetDlgItem(dialog, kFileNameEdit) != nullptr;
}

void ChooseFile(HWND fileDialog, const std::wstring& path) {
  HWND box = ::GetDlgItem(fileDialog, 0x47C);
  if (box == nullptr) box = ::GetDlgItem(fileDialog, 0x480);
  ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  ::PostMessageW(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(fileDialog, IDOK)));
}

std::wstring CurrentDirectory() {
  wchar_t directory[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, directory);
  return directory;
}

TEST_F(RecordDialogTest, BrowseTakesThePathAndKeepsTheCurrentDirectory) {
  PictureFile picture(L"夏娜.bmp");
  const std::wstring directoryBefore = CurrentDirectory();
  RecordForm form = EditedWork();
  std::wstring shownPath;
  DialogScript script;
  script.On("编辑", [](HWND dialog) { Click(dialog, IDC_BROWSE_PICTURE); })
      .When(IsFileDialog, [&](HWND dialog) { ChooseFile(dialog, picture.Path()); })
      .On("编辑", [&](HWND dialog) {
        shownPath = Shown(dialog, IDC_PICTURE_PATH);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(shownPath, picture.Path());
  EXPECT_EQ(form.previewPath, win32::GbkFromWide(picture.Path()));
  EXPECT_EQ(CurrentDirectory(), directoryBefore);
}

TEST_F(RecordDialogTest, PathOutsideGbkIsRefusedOnOk) {
  PictureFile picture(L"\u0E01.bmp");
  RecordForm form = EditedWork();
  std::size_t messagesBeforeCancel = 0;
  bool focusOnBrowse = false;
  DialogScript script;
  script.On("编辑", [](HWND dialog) { Click(dialog, IDC_BROWSE_PICTURE); })
      .When(IsFileDialog, [&](HWND dialog) { ChooseFile(dialog, picture.Path()); })
      .On("编辑", [](HWND dialog) { Click(dialog, IDOK); })
      .On("编辑", [&](HWND dialog) {
        messagesBeforeCancel = fakes.messages.shown.size();
        focusOnBrowse = testing::HasFocus(dialog, IDC_BROWSE_PICTURE);
        Click(dialog, IDCANCEL);
      });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  ASSERT_EQ(messagesBeforeCancel, 1u);
  EXPECT_NE(fakes.messages.shown[0].text.find("预览图路径"), std::string::npos);
  EXPECT_TRUE(focusOnBrowse);
  EXPECT_EQ(form.previewPath, "D:\\图片\\haruhi.jpg");
}

TEST_F(RecordDialogTest, ClearEmptiesThePicturePath) {
  RecordForm form = EditedWork();
  std::wstring shownPath = L"?";
  DialogScript script;
  script.On("编辑", [](HWND dialog) { Click(dialog, IDC_CLEAR_PICTURE); })
      .On("编辑", [&](HWND dialog) {
        shownPath = Shown(dialog, IDC_PICTURE_PATH);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(shownPath, L"");
  EXPECT_EQ(form.previewPath, "");
}

}  // namespace
}  // namespace mirevo::ui
