// The dialogs on a form value: each shows its form (the record dialog its
// picture too), gives back what was typed on "确定" and
// nothing on Escape, shows a refusal and sends the keyboard to its field;
// the record dialog's buttons open the time, keyword and file dialogs on its
// values; "现在就搜!" opens the address. What the forms accept is tested
// natively; a dialog's flat buttons are the settings dialog's colour
// buttons, in the main window test.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/keyword_form.h"
#include "app/record_form.h"
#include "program_fixture.h"
#include "reminders/time_text.h"
#include "ui/controls/picture_box.h"
#include "ui/main/keyword_dialog.h"
#include "ui/main/record_dialog.h"
#include "ui/main/time_dialog.h"

namespace mirevo::ui {
namespace {

using namespace mirevo::testing;

constexpr char kRecordTitle[] = "编辑";
constexpr char kTimeTitle[] = "时间设置";
constexpr char kKeywordTitle[] = "设定关键词";

void Pick(HWND dialog, int pickerId, WORD year, WORD month, WORD day, WORD hour = 0,
          WORD minute = 0) {
  SYSTEMTIME time{year, month, 0, day, hour, minute, 0, 0};
  ::SendDlgItemMessageW(dialog, pickerId, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&time));
}

class FormDialogs : public ::testing::Test {
 protected:
  FormDialogs() {
    std::tie(record.title, record.addMode, record.weekday, record.episode, record.rating) =
        std::tuple(kRecordTitle, false, 0, 12, 3);
    std::tie(record.name, record.notes, record.keyword, record.updateTime, record.nextTime) =
        std::tuple("凉宫春日的忧郁", "京阿尼\r\n第12集", "凉宫春日", "2006-06-25 21:30",
                   "2006-07-02 21:30");
    record.SetAirTime("09:05");
    record.previewPath = DataFile("picture.bmp");
    record.Open(clock);
    time.editedText = time.updateTimeText = "2006-06-25 21:30";
    time.Open(clock);
  }

  // Runs the dialog of that title on the fixture's form.
  INT_PTR Run(std::string_view title, DialogScript& script) {
    RecordDialog recordDialog(record, clock, fakes.services);
    TimeDialog timeDialog(time, fakes.services);
    KeywordDialog keywordDialog(keyword, fakes.services);
    win32::Dialog* dialogs[] = {&recordDialog, &timeDialog, &keywordDialog};
    win32::Dialog& dialog = *dialogs[title == kTimeTitle ? 1 : title == kKeywordTitle ? 2 : 0];
    return script.Run([&] { return dialog.RunModal(nullptr); });
  }

  FixedClock clock{ParseTimeText("2006-07-01 20:00")};
  FakeUiServices fakes;
  RecordForm record;
  TimeForm time;  // the update time
  KeywordForm keyword{"  夏娜  ", nullptr, "old"};
};

// The fields of the form that the dialog's controls show and set.
std::string Fields(const RecordForm& f) {
  return *f.name + "|" + std::to_string(f.episode) + "|" + *f.notes + "|" +
         std::to_string(f.weekday) + "|" + std::to_string(f.rating) + "|" + f.airTimeText + "|" +
         *f.previewPath;
}

TEST_F(FormDialogs, TheRecordDialogShowsTheFormAndGivesBackWhatWasTypedOnOkOnly) {
  const std::string before = Fields(record);
  for (bool ok : {false, true}) {
    DialogScript script;
    script.On(kRecordTitle, [&](HWND dialog) {
      std::vector<std::wstring> shown;
      for (int id : {IDC_NAME, IDC_EPISODE, IDC_NOTES, IDC_UPDATE_TIME, IDC_NEXT_TIME,
                     IDC_PICTURE_PATH, IDC_AIR_TIME, IDC_WEEKDAY, IDC_RATING})
        shown.push_back(Shown(dialog, id));
      EXPECT_EQ(shown, (std::vector<std::wstring>{L"凉宫春日的忧郁", L"12", L"京阿尼\r\n第12集",
                                                  L"2006-06-25 21:30", L"2006-07-02 21:30",
                                                  win32::WideFromGbk(DataFile("picture.bmp")),
                                                  L"09:05", L"周日(日)", L"☆☆☆"}));
      EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_KEYWORD_SET), BST_CHECKED);
      const auto* box =
          dynamic_cast<PictureBox*>(win32::Control::FromHandle(::GetDlgItem(dialog, IDC_PICTURE)));
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->Picture().NaturalSize().cx, 40) << "the picture";
      ::SetDlgItemTextW(dialog, IDC_NAME, L"灼眼的夏娜");
      ::SetDlgItemTextW(dialog, IDC_EPISODE, L"13");
      ::SetDlgItemTextW(dialog, IDC_NOTES, L"第二季");
      ::SendDlgItemMessageW(dialog, IDC_WEEKDAY, CB_SETCURSEL, 5, 0);
      ::SendDlgItemMessageW(dialog, IDC_RATING, CB_SETCURSEL, 2, 0);
      Pick(dialog, IDC_AIR_TIME, 2005, 2, 14, 1, 5);
      ::SendMessageW(::GetDlgItem(dialog, IDC_CLEAR_PICTURE), BM_CLICK, 0, 0);
      EXPECT_EQ(box->Picture().NaturalSize().cx, 132) << "the placeholder";
      ok ? Click(dialog, IDOK) : PressKey(dialog, VK_ESCAPE);
    });
    EXPECT_EQ(Run(kRecordTitle, script), ok ? IDOK : IDCANCEL);
    EXPECT_EQ(Fields(record), ok ? "灼眼的夏娜|13|第二季|5|2|01:05|" : before);
  }
}

// A refused "确定" keeps the dialog open: the message is shown over it and
// the keyboard goes to the field, its text left to fix.
TEST_F(FormDialogs, ARefusalIsShownAndSendsTheKeyboardToItsField) {
  // the dialog, the field (0: the time dialog's pickers, where the focus
  // stays) and what is typed into it
  const std::tuple<const char*, int, const wchar_t*> cases[] = {
      {kRecordTitle, IDC_EPISODE, L"1000"},
      {kRecordTitle, IDC_NAME, L";x=凉宫"},
      {kRecordTitle, IDC_NOTES, L"备忘\u0E01"},  // Thai: no GBK form
      {kKeywordTitle, IDC_KEYWORD, L"夏娜\u0E01"},
      {kTimeTitle, 0, nullptr}};
  for (const auto& [title, control, typed] : cases) {
    fakes.messages.clear();
    DialogScript script;
    script
        .On(title,
            [&](HWND dialog) {
              if (control) ::SetDlgItemTextW(dialog, control, typed);
              if (!control) Pick(dialog, IDC_DATE_PICKER, 2006, 7, 2);  // tomorrow
              Click(dialog, IDOK);
            })
        .On(title, [&](HWND dialog) {
          if (control) {
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, control));
            EXPECT_EQ(Shown(dialog, control), typed);
          }
          ASSERT_EQ(fakes.messages.size(), 1u) << control;
          EXPECT_EQ(fakes.messages[0].owner, dialog);
          Click(dialog, IDCANCEL);
        });
    EXPECT_EQ(Run(title, script), IDCANCEL);
  }
  EXPECT_EQ(keyword.result, "old");
}

// The time buttons and the keyword button open their dialog on the form's
// value; what it gives back is kept: the update time, the next time (which
// "清零", enabled for it alone, can make unknown), the keyword.
TEST_F(FormDialogs, TheRecordDialogsButtonsOpenTheirDialogsOnItsValues) {
  // the button, the value its dialog shows (the time dialogs in the date
  // picker), the button pressed, and the update time, the next time and the
  // keyword after "确定"
  const std::tuple<int, const wchar_t*, int, const char*> cases[] = {
      {IDC_SET_UPDATE_TIME, L"2006-06-25", IDOK, "2006-07-01 19:45|2006-07-02 21:30|凉宫春日"},
      {IDC_SET_NEXT_TIME, L"2006-07-02", IDOK, "2006-06-25 21:30|2006-07-01 19:45|凉宫春日"},
      {IDC_SET_NEXT_TIME, L"2006-07-02", IDC_CLEAR_TIME, "2006-06-25 21:30|Unknown|凉宫春日"},
      {IDC_KEYWORD_SET, L"凉宫春日", IDOK, "2006-06-25 21:30|2006-07-02 21:30|夏娜"}};
  const RecordForm stored = record;
  for (const auto& [button, shown, press, result] : cases) {
    SCOPED_TRACE(result);
    record = stored;
    const char* title = button == IDC_KEYWORD_SET ? kKeywordTitle : kTimeTitle;
    const int field = button == IDC_KEYWORD_SET ? IDC_KEYWORD : IDC_DATE_PICKER;
    DialogScript script;
    script.On(kRecordTitle, [&](HWND dialog) { Click(dialog, button); })
        .On(title,
            [&](HWND dialog) {  // each dialog has only its own controls
              EXPECT_EQ(Shown(dialog, field), shown);
              EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CLEAR_TIME)) != FALSE,
                        button == IDC_SET_NEXT_TIME);
              ::SetDlgItemTextW(dialog, IDC_KEYWORD, L"夏娜");
              Pick(dialog, IDC_DATE_PICKER, 2006, 7, 1);
              Pick(dialog, IDC_TIME_PICKER, 2006, 7, 1, 19, 45);
              Click(dialog, press);
            })
        .On(kRecordTitle, [](HWND dialog) { Click(dialog, IDOK); });
    EXPECT_EQ(Run(kRecordTitle, script), IDOK);
    EXPECT_EQ(record.updateTime + "|" + record.nextTime + "|" + record.keyword, result);
  }
}

// "浏览..." takes the chosen picture's path, even of a file that is no
// picture, without changing the current folder (the files are opened by
// relative paths).
TEST_F(FormDialogs, BrowseTakesTheChosenPicture) {
  TempFolder folder;
  const std::wstring picture = (folder.path() / L"夏娜.bmp").wstring();
  std::ofstream(std::filesystem::path(picture), std::ios::binary) << "BM";
  const std::filesystem::path folderBefore = std::filesystem::current_path();
  // The system's file dialog is the one with a file-name box (cmb13 or edt1).
  const auto fileNameBox = [](HWND dialog) {
    HWND box = ::GetDlgItem(dialog, 0x47C);
    return box != nullptr ? box : ::GetDlgItem(dialog, 0x480);
  };
  DialogScript script;
  script.On(kRecordTitle, [](HWND dialog) { Click(dialog, IDC_BROWSE_PICTURE); })
      .When([&](HWND dialog) { return fileNameBox(dialog) != nullptr; },
            [&](HWND dialog) {
              ::SetWindowTextW(fileNameBox(dialog), picture.c_str());
              journey::Press(dialog, IDOK);
            })
      .On(kRecordTitle, [&](HWND dialog) {
        EXPECT_EQ(Shown(dialog, IDC_PICTURE_PATH), picture);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(kRecordTitle, script), IDOK);
  EXPECT_EQ(record.previewPath, win32::GbkFromWide(picture));
  EXPECT_EQ(std::filesystem::current_path(), folderBefore);
}

// "现在就搜!" opens the form's address with the dialog as owner and shows the
// text as searched; without search settings it shows the form's complaint.
TEST_F(FormDialogs, SearchNowOpensTheAddressOrComplains) {
  AppSettings settings;
  for (bool withSettings : {true, false}) {
    fakes.Forget();
    keyword.searchSettings = withSettings ? &settings : nullptr;
    KeywordForm expected = keyword;
    const KeywordForm::SearchNowOutcome outcome = expected.SearchNow();
    DialogScript script;
    script.On(kKeywordTitle, [](HWND dialog) { Click(dialog, IDC_SEARCH_NOW); })
        .On(kKeywordTitle, [&](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_KEYWORD), win32::WideFromGbk(*expected.text));
          PressKey(dialog, VK_ESCAPE);
          ASSERT_EQ(fakes.addresses.size(), withSettings ? 1u : 0u);
          ASSERT_EQ(fakes.messages.size(), withSettings ? 0u : 1u);
          EXPECT_EQ(withSettings ? fakes.addresses[0].owner : fakes.messages[0].owner, dialog);
          EXPECT_EQ(withSettings ? fakes.addresses[0].address : fakes.messages[0].text,
                    withSettings ? *outcome.address : outcome.message);
        });
    EXPECT_EQ(Run(kKeywordTitle, script), IDCANCEL);
  }
}

}  // namespace
}  // namespace mirevo::ui
