// The record commands of the main window: add, update, edit, finish and
// delete. Each finds its work through the id in column 0 of the selected
// row, searched in the current tab's list.
#include <string>

#include "app/command_texts.h"
#include "app/main_controller.h"
#include "app/record_form.h"
#include "reminders/time_text.h"

namespace mirevo {
namespace {

constexpr char kNoAddOnFinished[] = "不能直接向完结目录中添加,要设置完结请按完结按钮";
constexpr char kEpisodeZeroGoesToAwaited[] =
    "由于集数是0，所以此项会添加到“期待”目录下\n你可以点更新使“期待”下的项的集数＋1\n"
    "它将自动转到它该到的地方去";
constexpr char kNoStartedWorkOnAwaited[] =
    "不要向期待目录下添加已经开始播出的作品\n\n请将集数改为0";
constexpr char kNoUpdateOnFinished[] = "在完结页面里是不能更新的!";
constexpr char kAwaitedEpisodeStaysZero[] =
    "现在是在“期待”目录下,所以对集数的修改不能生效\n你可以试着点一下更新按钮";
constexpr char kNoFinishOnAwaited[] = "集数是0就已经完结了?直接删除吧";

bool IsRunningCategory(int category) {
  return category >= kAnime && category <= kDrama;
}

void CopyFormToRecord(const RecordForm& form, SeriesRecord& record) {
  record.notes = form.notes.value_or(std::string());
  record.updateTime = form.updateTime;
  record.name = form.name.value_or(std::string());
  record.rating = form.rating;
  record.episode = form.episode;
  record.weekday = form.weekday;
  record.airTime = form.airTimeText;
  record.previewPath = form.previewPath.value_or(std::string());
  record.keyword = form.keyword;
}

}  // namespace

bool MainController::RunRecordForm(RecordForm& form) {
  form.Open(clock_);
  return view_.RunRecordDialog(form);
}

void MainController::Add() {
  RecordForm form;
  form.title = kAddCaption;
  form.addMode = true;
  form.searchSettings = &settings_;
  if (currentTab_ == kFinishedList) {
    view_.ShowMessage(kNoAddOnFinished, kAddCaption);
    return;
  }
  int target = currentTab_;
  if (!RunRecordForm(form)) {
    view_.FocusList();
    return;
  }
  for (;;) {
    if (form.episode == 0) {
      view_.ShowMessage(kEpisodeZeroGoesToAwaited, kAddCaption);
      target = kAwaitedList;
      break;
    }
    if (currentTab_ != kAwaitedList) break;
    view_.ShowMessage(kNoStartedWorkOnAwaited, kAddCaption);
    if (!RunRecordForm(form)) {
      view_.FocusList();
      return;
    }
  }

  SeriesRecord& record = store_.lists[target].InsertNewRecord();
  record.id = ++store_.idCounter;
  CopyFormToRecord(form, record);
  record.nextTime = form.nextTime;
  // On the awaited tab this is 5: the category is chosen at the first update.
  record.category = currentTab_;

  if (form.episode == 0) SwitchTab(kAwaitedList);
  FillList(store_.lists[target]);
  view_.SelectRow(0);
  store_.dataChanged = true;
  view_.FocusList();
}

void MainController::ApplyUpdate(SeriesRecord& record) {
  ++record.episode;
  // An OVA comes out irregularly: its gaps say nothing about a weekday.
  if (record.category != kOva) RecordEarliestUpdate(record, clock_);
  record.updateTime = CurrentTimeText(clock_);
  record.nextTime.clear();
  record.weekdayDue = 0;
  record.earliestDue = 0;
  record.manualNextTime = 0;
  record.notes +=
      "\r\n||第" + std::to_string(record.episode) + "集 于 " + record.updateTime + " 更新";
}

void MainController::Update() {
  if (currentTab_ == kFinishedList) {
    view_.ShowMessage(kNoUpdateOnFinished, kUpdateCaption);
    return;
  }
  int row = SelectedRow();
  if (row < 0) {
    view_.ShowMessage(kSelectFirst, kUpdateCaption);
    return;
  }
  int id = IdOfRow(row);
  SeriesRecord* record = CurrentList().FindById(id);
  if (!record) {
    view_.ShowMessage(kImpossibleError, kUpdateCaption);
    return;
  }
  if (currentTab_ == kAwaitedList) {
    // A category that names no running list (not chosen yet, or damaged in
    // the file) is asked for: the work has to land on one of the four tabs.
    if (!IsRunningCategory(record->category)) {
      TypeForm type;
      if (!view_.RunTypeDialog(type) || !IsRunningCategory(type.category)) {
        view_.FocusList();
        return;
      }
      record->category = type.category;
    }
    ApplyUpdate(*record);
    int target = record->category;
    store_.lists[target].MoveFromList(CurrentList(), id);
    SwitchTab(target);
    ShowTab(target);
    view_.SelectRow(0);
  } else {
    ApplyUpdate(*record);
    RefreshRow(*record, row);
    view_.FocusList();
  }
  store_.dataChanged = true;
}

void MainController::Edit() {
  int row = SelectedRow();
  if (row < 0) {
    view_.ShowMessage(kSelectFirst, kEditCaption);
    return;
  }
  int id = IdOfRow(row);
  SeriesRecord* record = CurrentList().FindById(id);
  if (!record) {
    view_.ShowMessage(kImpossibleError, kEditCaption);
    return;
  }
  RecordForm form;
  form.title = kEditCaption;
  form.addMode = false;
  form.searchSettings = &settings_;
  form.notes = record->notes;
  form.updateTime = record->updateTime;
  form.name = record->name;
  form.rating = record->rating;
  form.episode = record->episode;
  form.weekday = record->weekday;
  form.previewPath = record->previewPath;
  form.nextTime = record->nextTime;
  form.keyword = record->keyword;
  form.SetAirTime(record->airTime);
  if (!RunRecordForm(form)) {
    view_.FocusList();
    return;
  }
  // The dialog ran modally; look the work up again rather than trust a
  // pointer across it.
  record = CurrentList().FindById(id);
  if (!record) {
    view_.ShowMessage(kImpossibleError, kEditCaption);
    return;
  }
  if (currentTab_ == kAwaitedList && form.episode != 0) {
    view_.ShowMessage(kAwaitedEpisodeStaysZero, kEditCaption);
    form.episode = 0;
  }
  CopyFormToRecord(form, *record);
  if (form.nextTime != record->nextTime) {
    if (form.nextTime.empty() || form.nextTime == kUnknownTime) {
      record->manualNextTime = 0;
    } else {
      // A next time set by hand replaces the weekday and earliest-update
      // reminders.
      record->manualNextTime = 1;
      record->earliestDue = 0;
      record->weekdayDue = 0;
    }
    record->nextTime = form.nextTime;
  }
  if (currentTab_ == kFinishedList) record->nextTime.clear();

  due_ = ComputeDueThreshold(clock_, settings_.accuracy);
  if (row < static_cast<int>(rows_.size()) && IdOfRow(row) == id)
    RefreshRow(*record, row);
  else
    FillList(CurrentList());
  store_.dataChanged = true;
  view_.FocusList();
}

void MainController::Finish() {
  int row = SelectedRow();
  if (row < 0) {
    view_.ShowMessage(kSelectFirst, kFinishCaption);
    return;
  }
  if (currentTab_ == kAwaitedList) {
    view_.ShowMessage(kNoFinishOnAwaited, kFinishCaption);
    return;
  }
  int id = IdOfRow(row);
  int target = kFinishedList;
  if (currentTab_ == kFinishedList) {
    // Back to the tab its "类型" column names; "不明" is the awaited tab.
    target = ListIndexOfCategoryText(rows_[row].texts[kColumnCategory]);
    if (target < 0) return;
  }
  if (!CurrentList().FindById(id)) {
    view_.ShowMessage(kImpossibleError, kFinishCaption);
    return;
  }
  store_.lists[target].MoveFromList(CurrentList(), id);
  SwitchTab(target);
  ShowTab(target);
  view_.SelectRow(0);
  store_.dataChanged = true;
}

void MainController::Delete() {
  int row = SelectedRow();
  if (row < 0) {
    view_.ShowMessage(kSelectFirst, kDeleteCaption);
    return;
  }
  std::string question = "你确定要删除 " + rows_[row].texts[kColumnName] + " 吗?";
  if (view_.AskYesNo(question, kDeleteCaption) != Answer::kNo) {
    CurrentList().RemoveById(IdOfRow(row));
    rows_.erase(rows_.begin() + row);
    view_.RowRemoved(row);
    store_.dataChanged = true;
  }
  // After a deletion the same index is the work that followed; past the
  // last row nothing is selected.
  view_.SelectRow(row);
}

}  // namespace mirevo
