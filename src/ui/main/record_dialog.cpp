#include "ui/main/record_dialog.h"

#include "app/list_row.h"
#include "reminders/time_text.h"
#include "resource.h"
#include "ui/main/dialog_picture_file.h"
#include "ui/main/keyword_dialog.h"
#include "ui/main/time_dialog.h"
#include "ui/win32/control_text.h"
#include "ui/win32/dialog_controls.h"
#include "ui/win32/module.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui {
namespace {

// The air-time picker shows only hour and minute; its date is a fixed day so
// that nothing else in it ever changes what the user sees.
SYSTEMTIME AirTimeOf(int hour, int minute) {
  SYSTEMTIME time{};
  time.wYear = 2005;
  time.wMonth = 2;
  time.wDay = 14;
  time.wDayOfWeek = 1;
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  return time;
}

// Where a refused field sends the keyboard: the box itself, or for a text
// the user can only change through a button, that button.
int ControlOf(RecordField field) {
  switch (field) {
    case RecordField::kName:
      return IDC_NAME;
    case RecordField::kEpisode:
      return IDC_EPISODE;
    case RecordField::kNotes:
      return IDC_NOTES;
    case RecordField::kUpdateTime:
      return IDC_SET_UPDATE_TIME;
    case RecordField::kNextTime:
      return IDC_SET_NEXT_TIME;
    case RecordField::kPreviewPath:
      return IDC_BROWSE_PICTURE;
    case RecordField::kKeyword:
      return IDC_KEYWORD_SET;
  }
  return IDC_NAME;
}

void WriteTypedText(HWND dialog, int controlId, const std::optional<std::string>& text) {
  // A text the window could not convert stays in the box as typed, so the
  // user sees what the refusal is about.
  if (text) win32::WriteItemText(dialog, controlId, *text);
}

}  // namespace

RecordDialog::RecordDialog(RecordForm& form, const Clock& clock, win32::UiServices& services)
    : FormDialog(IDD_RECORD, form, services.messages), clock_(clock), services_(services) {
  win32::InitCommonControlsForApp();  // the air-time picker
}

bool RecordDialog::OnOpen() {
  picture_.Attach(Item(IDC_PICTURE));
  ShowPicture();
  if (!working_.title.empty()) win32::WriteText(Hwnd(), working_.title);

  HWND weekdays = Item(IDC_WEEKDAY);
  for (const std::string& name : WeekdayNames()) win32::AddComboItem(weekdays, name);
  HWND ratings = Item(IDC_RATING);
  for (std::string_view rating : kRatingTexts) win32::AddComboItem(ratings, rating);
  win32::SetPickerFormat(Item(IDC_AIR_TIME), L"HH:mm");

  WriteControls();
  return true;
}

bool RecordDialog::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_SET_UPDATE_TIME:
      SetUpdateTime();
      return true;
    case IDC_SET_NEXT_TIME:
      SetNextTime();
      return true;
    case IDC_KEYWORD_SET:
      SetKeyword();
      return true;
    case IDC_BROWSE_PICTURE:
      BrowsePicture();
      return true;
    case IDC_CLEAR_PICTURE:
      ClearPicture();
      return true;
    default:
      return Dialog::OnCommand(id, code, control);
  }
}

void RecordDialog::OnOk() {
  ReadControls();
  if (std::optional<RecordForm::Refusal> refusal = working_.Confirm())
    CloseIfAccepted(refusal->message, ControlOf(refusal->field));
  else
    CloseIfAccepted(std::nullopt);
}

void RecordDialog::ReadControls() {
  HWND dialog = Hwnd();
  working_.weekday = win32::ComboSelection(Item(IDC_WEEKDAY));
  working_.rating = win32::ComboSelection(Item(IDC_RATING));
  working_.name = win32::ReadItemText(dialog, IDC_NAME);
  working_.notes = win32::ReadItemText(dialog, IDC_NOTES);
  working_.previewPath = win32::ReadItemText(dialog, IDC_PICTURE_PATH);
  // A pasted character outside GBK cannot be part of a number; "?" keeps the
  // episode check refusing it instead of reading an empty box.
  working_.episodeText = win32::ReadItemText(dialog, IDC_EPISODE).value_or("?");
  if (auto airTime = win32::PickerTime(Item(IDC_AIR_TIME))) {
    working_.airHour = airTime->wHour;
    working_.airMinute = airTime->wMinute;
  }
}

void RecordDialog::WriteControls() {
  HWND dialog = Hwnd();
  win32::SetComboSelection(Item(IDC_WEEKDAY), working_.weekday);
  win32::SetComboSelection(Item(IDC_RATING), working_.rating);
  WriteTypedText(dialog, IDC_NAME, working_.name);
  WriteTypedText(dialog, IDC_NOTES, working_.notes);
  WriteTypedText(dialog, IDC_PICTURE_PATH, working_.previewPath);
  win32::WriteItemText(dialog, IDC_EPISODE, working_.episodeText);
  win32::WriteItemText(dialog, IDC_UPDATE_TIME, working_.updateTime);
  win32::WriteItemText(dialog, IDC_NEXT_TIME, working_.nextTime);
  win32::SetPickerTime(Item(IDC_AIR_TIME), AirTimeOf(working_.airHour, working_.airMinute));
  win32::SetChecked(dialog, IDC_KEYWORD_SET, working_.keywordSet);
}

void RecordDialog::SetUpdateTime() {
  ReadControls();
  TimeForm time = working_.UpdateTimeForm();
  time.Open(clock_);
  TimeDialog dialog(time, services_);
  if (dialog.RunModal(Hwnd()) == IDOK) working_.TakeUpdateTime(time);
  WriteControls();
}

void RecordDialog::SetNextTime() {
  ReadControls();
  TimeForm time = working_.NextTimeForm();
  time.Open(clock_);
  TimeDialog dialog(time, services_);
  if (dialog.RunModal(Hwnd()) == IDOK) working_.TakeNextTime(time);
  WriteControls();
}

void RecordDialog::SetKeyword() {
  ReadControls();
  KeywordForm keyword = working_.MakeKeywordForm();
  KeywordDialog dialog(keyword, services_);
  const bool confirmed = dialog.RunModal(Hwnd()) == IDOK;
  // Whatever the click did to the check box, it ends showing whether a
  // keyword exists.
  working_.FinishKeyword(keyword, confirmed);
  WriteControls();
}

void RecordDialog::BrowsePicture() {
  ReadControls();
  std::optional<std::wstring> path = AskPictureFile(Hwnd());
  if (!path) return;
  // A path with a character GBK cannot hold is shown as it is and refused
  // on "确定"; it could not be stored in the data file.
  working_.previewPath = win32::GbkFromWide(*path);
  ::SetDlgItemTextW(Hwnd(), IDC_PICTURE_PATH, path->c_str());
  // The path is taken even when the file is no picture; the box then shows
  // what it can.
  if (working_.previewPath) picture_.LoadFile(*working_.previewPath);
  WriteControls();
}

void RecordDialog::ClearPicture() {
  ReadControls();
  working_.ClearPreview();
  picture_.LoadResource(IDB_NO_PICTURE);
  WriteControls();
}

void RecordDialog::ShowPicture() {
  picture_.LoadResource(IDB_NO_PICTURE);
  if (working_.previewPath && !working_.previewPath->empty())
    picture_.LoadFile(*working_.previewPath);
}

}  // namespace mirevo::ui
