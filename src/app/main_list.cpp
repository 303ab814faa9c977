#include "app/main_list.h"

#include "reminders/due_summary.h"
#include "reminders/time_text.h"

namespace mirevo {

MainList::MainList(RecordStore& store, const AppSettings& settings, ListScreen& screen,
                   const Clock& clock)
    : store_(store), settings_(settings), screen_(screen), clock_(clock) {}

void MainList::ShowStartTab() {
  SwitchTab(settings_.StartTab());
  ShowTab(currentTab_);
}

void MainList::SwitchTab(int tab) {
  currentTab_ = tab;
  screen_.SetCurrentTab(tab);
}

void MainList::ShowTab(int tab) {
  if (tab < 0 || tab >= kListCount) return;
  currentTab_ = tab;
  // Finished works have no next episode.
  if (tab == kFinishedList) store_.lists[kFinishedList].ClearNextTimes();
  FillList(store_.lists[tab]);
}

void MainList::RenewDueThreshold() {
  due_ = ComputeDueThreshold(clock_, settings_.dueByDay.On());
}

void MainList::FillList(RecordList& list) {
  RenewDueThreshold();
  // Rows are overwritten in place: the texts of rows already shown keep
  // their buffers.
  rows_.resize(list.size());
  // One moment for the whole list: formatting the local time per row would
  // cost more than the rules themselves.
  const std::string now = CurrentTimeText(clock_);
  int row = 0;
  for (SeriesRecord& record : list) {
    rows_[row].record = &record;
    WriteRow(row, now);
    ++row;
  }
  screen_.RowsReset();
}

void MainList::WriteRow(int row, std::string_view now) {
  ListRow& shown = rows_[row];
  // The rules run first: they may fill in an empty next time, which the
  // next-time column must then show.
  shown.colour = ApplyDueRules(*shown.record, currentTab_, due_, settings_.reminders, now);
  shown.textsWritten = false;
}

const RowTexts& MainList::TextsOfRow(int row) const {
  ListRow& shown = rows_[row];
  if (!shown.textsWritten) {
    if (!shown.texts) shown.texts = std::make_unique<RowTexts>();
    (*shown.texts)[kColumnId] = std::to_string(shown.record->id);
    SetRecordTexts(*shown.record, *shown.texts);
    shown.textsWritten = true;
  }
  return *shown.texts;
}

void MainList::RefreshRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  WriteRow(row, CurrentTimeText(clock_));
  screen_.RowChanged(row);
}

void MainList::RecolourRows() {
  RenewDueThreshold();
  const std::string now = CurrentTimeText(clock_);
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    ListRow& shown = rows_[row];
    // Only an empty next time, filled in by the rules, changes the texts.
    const bool hadNextTime = !shown.record->nextTime.empty();
    const RowColour colour =
        ApplyDueRules(*shown.record, currentTab_, due_, settings_.reminders, now);
    const bool textsChanged = !hadNextTime && !shown.record->nextTime.empty();
    if (textsChanged) shown.textsWritten = false;
    if (colour == shown.colour && !textsChanged) continue;
    shown.colour = colour;
    screen_.RowChanged(row);
  }
}

void MainList::OnColumnHeaderClick(int column) {
  if (column < 0 || column >= kColumnCount) return;
  if (column == sortColumn_) {
    sortDescending_ = !sortDescending_;
  } else {
    sortColumn_ = column;
    sortDescending_ = false;
  }
  CurrentList().SortRecords(kListColumns[column].sortKey, sortDescending_);
  ShowTab(currentTab_);
  // The order of a list is data: the file keeps it.
  store_.MarkChanged();
}

int MainList::SelectedRow() const {
  int row = screen_.SelectedRow();
  return row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

void MainList::RemoveRow(int row) {
  rows_.erase(rows_.begin() + row);
  screen_.RowRemoved(row);
}

std::string MainList::DueSummaryText() {
  RenewDueThreshold();
  seenDue_.MarkSeen(store_, settings_.summarySections, due_.threshold);
  return BuildDueSummary(store_, settings_.summarySections, due_.threshold);
}

bool MainList::HasNewlyDue() {
  RenewDueThreshold();
  return seenDue_.HasNewlyDue(store_, settings_.summarySections, due_.threshold);
}

}  // namespace mirevo
