#include "app/record_commands.h"

#include <limits>
#include <string>

#include "app/command_texts.h"
#include "reminders/earliest_update.h"
#include "reminders/time_text.h"
#include "search/search_address.h"

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

RecordForm EditFormOf(const SeriesRecord& record) {
  RecordForm form;
  form.title = kEditCaption;
  form.addMode = false;
  form.notes = record.notes;
  form.updateTime = record.updateTime;
  form.name = record.name;
  form.rating = record.rating;
  form.episode = record.episode;
  form.weekday = record.weekday;
  form.previewPath = record.previewPath;
  form.nextTime = record.nextTime;
  form.keyword = record.keyword;
  form.SetAirTime(record.airTime);
  return form;
}

}  // namespace

RecordCommands::RecordCommands(RecordStore& store, const AppSettings& settings, MainList& list,
                               ListScreen& screen, MessageView& messages, DialogView& dialogs,
                               const Clock& clock)
    : store_(store),
      settings_(settings),
      list_(list),
      screen_(screen),
      messages_(messages),
      dialogs_(dialogs),
      clock_(clock) {}

bool RecordCommands::RunRecordForm(RecordForm& form) {
  form.searchSettings = &settings_;
  form.Open(clock_);
  return dialogs_.RunRecordDialog(form);
}

void RecordCommands::Add() {
  const int currentTab = list_.CurrentTab();
  if (currentTab == kFinishedList) {
    messages_.ShowMessage(kNoAddOnFinished, kAddCaption);
    return;
  }
  RecordForm form;
  form.title = kAddCaption;
  form.addMode = true;
  int target = currentTab;
  if (!RunRecordForm(form)) {
    screen_.FocusList();
    return;
  }
  for (;;) {
    if (form.episode == 0) {
      messages_.ShowMessage(kEpisodeZeroGoesToAwaited, kAddCaption);
      target = kAwaitedList;
      break;
    }
    if (currentTab != kAwaitedList) break;
    messages_.ShowMessage(kNoStartedWorkOnAwaited, kAddCaption);
    if (!RunRecordForm(form)) {
      screen_.FocusList();
      return;
    }
  }

  SeriesRecord& record = store_.lists[target].InsertNewRecord();
  record.id = store_.TakeNewId();
  CopyFormToRecord(form, record);
  record.nextTime = form.nextTime;
  // On the awaited tab this is 5: the category is chosen at the first update.
  record.category = currentTab;

  if (form.episode == 0) list_.SwitchTab(kAwaitedList);
  list_.ShowTab(target);
  screen_.SelectRow(0);
  store_.MarkChanged();
  screen_.FocusList();
}

void RecordCommands::ApplyUpdate(SeriesRecord& record) {
  ++record.episode;
  // An OVA comes out irregularly: its gaps say nothing about a weekday.
  if (record.category != kOva) RecordEarliestUpdate(record, clock_);
  record.updateTime = CurrentTimeText(clock_);
  record.nextTime.clear();
  record.weekdayDue = kOff;
  record.earliestDue = kOff;
  record.manualNextTime = kOff;
  record.notes += "\r\n||第" + std::to_string(record.episode) + "集 于 " +
                  std::string(record.updateTime) + " 更新";
}

void RecordCommands::Update() {
  const int currentTab = list_.CurrentTab();
  if (currentTab == kFinishedList) {
    messages_.ShowMessage(kNoUpdateOnFinished, kUpdateCaption);
    return;
  }
  const int row = list_.SelectedRow();
  if (row < 0) {
    messages_.ShowMessage(kSelectFirst, kUpdateCaption);
    return;
  }
  SeriesRecord& record = list_.RecordOfRow(row);
  // One more would wrap to a negative episode.
  if (record.episode == std::numeric_limits<int>::max()) {
    messages_.ShowMessage(kEpisodeAtLimit, kUpdateCaption);
    return;
  }
  if (currentTab == kAwaitedList) {
    // A category that names no running list (not chosen yet, or damaged in
    // the file) is asked for: the work has to land on one of the four tabs.
    if (!IsRunningCategory(record.category)) {
      TypeForm type;
      if (!dialogs_.RunTypeDialog(type) || !IsRunningCategory(type.category)) {
        screen_.FocusList();
        return;
      }
      record.category = type.category;
    }
    ApplyUpdate(record);
    MoveToList(record, record.category);
  } else {
    ApplyUpdate(record);
    list_.RefreshRow(row);
    screen_.FocusList();
  }
  store_.MarkChanged();
}

void RecordCommands::Edit() {
  const int row = list_.SelectedRow();
  if (row < 0) {
    messages_.ShowMessage(kSelectFirst, kEditCaption);
    return;
  }
  SeriesRecord& record = list_.RecordOfRow(row);
  RecordForm form = EditFormOf(record);
  if (!RunRecordForm(form)) {
    screen_.FocusList();
    return;
  }
  // The dialog ran modally: make sure the work is still where it was.
  if (!list_.CurrentList().Contains(record)) {
    messages_.ShowMessage(kImpossibleError, kEditCaption);
    return;
  }
  const int currentTab = list_.CurrentTab();
  if (currentTab == kAwaitedList && form.episode != 0) {
    messages_.ShowMessage(kAwaitedEpisodeStaysZero, kEditCaption);
    form.episode = 0;
  }
  CopyFormToRecord(form, record);
  if (form.nextTime != record.nextTime) {
    if (form.nextTime.empty() || form.nextTime == kUnknownTime) {
      record.manualNextTime = kOff;
    } else {
      // A next time set by hand replaces the weekday and earliest-update
      // reminders.
      record.manualNextTime = kOn;
      record.earliestDue = kOff;
      record.weekdayDue = kOff;
    }
    record.nextTime = form.nextTime;
  }
  if (currentTab == kFinishedList) record.nextTime.clear();

  list_.RenewDueThreshold();
  const auto& rows = list_.Rows();
  if (row < static_cast<int>(rows.size()) && rows[row].record == &record)
    list_.RefreshRow(row);
  else
    list_.Refill();
  store_.MarkChanged();
  screen_.FocusList();
}

void RecordCommands::Finish() {
  const int row = list_.SelectedRow();
  if (row < 0) {
    messages_.ShowMessage(kSelectFirst, kFinishCaption);
    return;
  }
  const int currentTab = list_.CurrentTab();
  if (currentTab == kAwaitedList) {
    messages_.ShowMessage(kNoFinishOnAwaited, kFinishCaption);
    return;
  }
  int target = kFinishedList;
  if (currentTab == kFinishedList) {
    // Back to the tab its "类型" column names; "不明" is the awaited tab.
    target = ListIndexOfCategoryText(list_.TextsOfRow(row)[kColumnCategory]);
    if (target < 0) return;
  }
  MoveToList(list_.RecordOfRow(row), target);
  store_.MarkChanged();
}

void RecordCommands::MoveToList(const SeriesRecord& record, int target) {
  store_.lists[target].MoveFrom(list_.CurrentList(), record);
  list_.SwitchTab(target);
  list_.ShowTab(target);
  screen_.SelectRow(0);
}

void RecordCommands::Delete() {
  const int row = list_.SelectedRow();
  if (row < 0) {
    messages_.ShowMessage(kSelectFirst, kDeleteCaption);
    return;
  }
  std::string question = "你确定要删除 " + list_.TextsOfRow(row)[kColumnName] + " 吗?";
  if (messages_.AskYesNo(question, kDeleteCaption) != Answer::kNo) {
    SeriesRecord& record = list_.RecordOfRow(row);
    list_.RemoveRow(row);
    list_.CurrentList().Remove(record);
    store_.MarkChanged();
  }
  // After a deletion the same index is the work that followed; past the
  // last row nothing is selected.
  screen_.SelectRow(row);
}

void RecordCommands::OnListDoubleClick() {
  if (list_.SelectedRow() >= 0) Edit();
}

void RecordCommands::OnContextMenu() {
  const ContextMenuState state = ContextMenuStateFor(list_.CurrentTab(), list_.SelectedRow() >= 0);
  switch (dialogs_.ShowContextMenu(state)) {
    case MenuCommand::kUpdate:
      if (state.updateEnabled) Update();
      break;
    case MenuCommand::kEdit:
      if (state.editEnabled) Edit();
      break;
    case MenuCommand::kFinish:
      if (state.finishEnabled) Finish();
      break;
    case MenuCommand::kAdd:
      if (state.addEnabled) Add();
      break;
    case MenuCommand::kDelete:
      if (state.deleteEnabled) Delete();
      break;
    case MenuCommand::kNone:
      break;
  }
}

void RecordCommands::Search() {
  const int row = list_.SelectedRow();
  if (row < 0) {
    messages_.ShowMessage(kSelectFirst, kSearchCaption);
  } else {
    const RowTexts& selected = list_.TextsOfRow(row);
    std::string text = SearchTextOf(selected[kColumnKeyword], selected[kColumnName]);
    if (!text.empty()) {
      dialogs_.OpenAddress(BuildSearchAddress(settings_.searchPrefix, settings_.searchPostfix,
                                              settings_.searchEncoding, text));
    }
  }
  screen_.FocusList();
}

}  // namespace mirevo
