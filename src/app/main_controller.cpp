#include "app/main_controller.h"

#include "app/app_title.h"
#include "app/command_texts.h"
#include "app/record_form.h"
#include "reminders/due_summary.h"
#include "reminders/time_text.h"
#include "search/search_address.h"
#include "text/gbk.h"

namespace mirevo {

MainController::MainController(MainView& view, const Clock& clock)
    : view_(view),
      clock_(clock),
      settingsFile_(kSettingsPath, clock),
      dataFile_(settings_.dataPath, clock) {}

void MainController::ShowMessages(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) view_.ShowMessage(message, kAppTitle);
}

// ---- Start-up -------------------------------------------------------------

void MainController::LoadSettingsFile() {
  ShowMessages(LoadFile(settingsFile_, settings_));
  dataFile_.set_path(settings_.dataPath);
}

void MainController::LoadDataFile() {
  ShowMessages(LoadFile(dataFile_, store_));
}

void MainController::ShowStartTab() {
  SwitchTab(settings_.StartTab());
  ShowTab(currentTab_);
}

// ---- The list -------------------------------------------------------------

void MainController::SwitchTab(int tab) {
  currentTab_ = tab;
  view_.SetCurrentTab(tab);
}

void MainController::ShowTab(int tab) {
  if (tab < 0 || tab >= kListCount) return;
  currentTab_ = tab;
  // Finished works have no next episode.
  if (tab == kFinishedList) store_.lists[kFinishedList].ClearNextTimes();
  FillList(store_.lists[tab]);
}

void MainController::FillList(RecordList& list) {
  due_ = ComputeDueThreshold(clock_, settings_.accuracy);
  // Rows are overwritten in place: their strings keep their buffers, which
  // matters at tens of thousands of works.
  rows_.resize(list.size());
  // One moment for the whole list: formatting the local time per row would
  // cost more than the rules themselves.
  const std::string now = CurrentTimeText(clock_);
  int row = 0;
  for (SeriesRecord& record : list) {
    rows_[row].texts[kColumnId] = std::to_string(record.id);
    WriteRow(record, row, now);
    ++row;
  }
  view_.RowsReset();
}

void MainController::WriteRow(SeriesRecord& record, int row, std::string_view now) {
  // The rules run first: they may fill in an empty next time, which the
  // next-time column must then show.
  RowColour colour = ApplyDueRules(record, currentTab_, due_, settings_.reminders, now);
  SetRecordTexts(record, rows_[row]);
  rows_[row].colour = colour;
}

void MainController::RefreshRow(SeriesRecord& record, int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  WriteRow(record, row, CurrentTimeText(clock_));
  view_.RowChanged(row);
}

void MainController::OnTabSelected(int tab) {
  ShowTab(tab);
}

void MainController::OnColumnHeaderClick(int column) {
  if (column == sortColumn_) {
    sortDescending_ = !sortDescending_;
  } else {
    sortColumn_ = column;
    sortDescending_ = false;
  }
  CurrentList().SortRecords(column, sortDescending_);
  ShowTab(currentTab_);
  // The order of a list is data: the file keeps it.
  store_.dataChanged = true;
}

int MainController::SelectedRow() const {
  int row = view_.SelectedRow();
  return row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

int MainController::IdOfRow(int row) const {
  return ReadAtoi(rows_[row].texts[kColumnId]);
}

// ---- Menu, search, due summary --------------------------------------------

void MainController::OnListDoubleClick() {
  if (SelectedRow() >= 0) Edit();
}

void MainController::OnContextMenu() {
  ContextMenuState state = ContextMenuStateFor(currentTab_, SelectedRow() >= 0);
  switch (view_.ShowContextMenu(state)) {
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

void MainController::Search() {
  int row = SelectedRow();
  if (row < 0) {
    view_.ShowMessage(kSelectFirst, kSearchCaption);
  } else {
    const ListRow& selected = rows_[row];
    std::string text = SearchTextOf(selected.texts[kColumnKeyword], selected.texts[kColumnName]);
    if (!text.empty()) {
      view_.OpenAddress(BuildSearchAddress(settings_.searchPrefix, settings_.searchPostfix,
                                           settings_.searchEncode, text));
    }
  }
  view_.FocusList();
}

void MainController::ShowDueSummary() {
  due_ = ComputeDueThreshold(clock_, settings_.accuracy);
  view_.ShowBalloon(BuildDueSummary(store_, settings_.tipShowType, due_.threshold),
                    kDueSummaryTitle, kDueSummaryTimeoutMs);
}

// ---- Exit -------------------------------------------------------------------

void MainController::TakePlacement() {
  WindowRect rect = view_.CurrentWindowRect();
  settings_.windowPlacement = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool MainController::SaveDataFile() {
  std::vector<std::string> messages = SaveData(dataFile_, store_);
  ShowMessages(messages);
  return messages.empty();
}

void MainController::SaveSettingsFile() {
  ShowMessages(SaveSettings(settingsFile_, settings_, view_.CurrentColumnWidths(), currentTab_));
}

// A data file that could not be written keeps the program running: ending
// now would throw away every change of this run.
void MainController::SaveAndExit() {
  if (settings_.maxSign == 0) TakePlacement();
  if (!SaveDataFile()) return;
  SaveSettingsFile();
  view_.EndProgram();
}

// The exit question when something changed; false when the program must
// keep running (Cancel, or a data file that could not be written).
bool MainController::ConfirmLeaving() {
  if (!store_.dataChanged) return true;
  switch (view_.AskYesNoCancel(kSaveQuestion, kExitCaption)) {
    case Answer::kYes:
      return SaveDataFile();
    case Answer::kNo:
      return true;
    case Answer::kCancel:
      return false;
  }
  return false;
}

void MainController::CloseMainWindow() {
  if (!ConfirmLeaving()) return;
  if (settings_.maxSign != 1) TakePlacement();
  SaveSettingsFile();
  view_.EndProgram();
}

// Escape is the quick way out and writes no settings; it only asks when
// leaving would lose changes.
void MainController::OnEscape() {
  if (!ConfirmLeaving()) return;
  view_.EndProgram();
}

}  // namespace mirevo
