// The main window without the window: the store, the settings, the current
// tab, the rows the list shows, the sort state and the due threshold, with
// every command of the window. Everything only a window can do goes through
// the MainView.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/list_row.h"
#include "app/main_view.h"
#include "reminders/due_rules.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "store/record_store.h"
#include "store/store_file.h"

namespace mirevo {

class MainController {
 public:
  MainController(MainView& view, const Clock& clock);

  // Start-up, in this order with the window's own steps between them: the
  // settings file (before the tabs and columns exist), the data file named
  // by "m_path", and the tab last used.
  void LoadSettingsFile();
  void LoadDataFile();
  void ShowStartTab();

  // The list.
  void ShowTab(int tab);
  void FillList(RecordList& list);
  void RefreshRow(SeriesRecord& record, int row);
  void OnTabSelected(int tab);
  void OnColumnHeaderClick(int column);

  // Record commands.
  void Add();
  void Update();
  void Edit();
  void Finish();
  void Delete();
  void OnListDoubleClick();
  void OnContextMenu();
  void Search();
  void ShowDueSummary();

  // Exit paths: "保存并退出", every other close request, and Escape.
  void SaveAndExit();
  void CloseMainWindow();
  void OnEscape();

  const std::vector<ListRow>& Rows() const { return rows_; }
  int CurrentTab() const { return currentTab_; }
  int SortColumn() const { return sortColumn_; }
  bool SortDescending() const { return sortDescending_; }
  const DueThreshold& Due() const { return due_; }
  const RecordStore& Store() const { return store_; }
  RecordStore& Store() { return store_; }
  const AppSettings& Settings() const { return settings_; }
  AppSettings& Settings() { return settings_; }
  const Clock& GetClock() const { return clock_; }

 private:
  RecordList& CurrentList() { return store_.lists[currentTab_]; }
  void SwitchTab(int tab);
  void ShowMessages(const std::vector<std::string>& messages);
  void WriteRow(SeriesRecord& record, int row, std::string_view now);
  // The selected row, or -1 with none.
  int SelectedRow() const;
  int IdOfRow(int row) const;
  bool RunRecordForm(RecordForm& form);
  void ApplyUpdate(SeriesRecord& record);
  void TakePlacement();
  // Writes the data file; false (after its message) when it was not written.
  bool SaveDataFile();
  void SaveSettingsFile();
  bool ConfirmLeaving();

  MainView& view_;
  const Clock& clock_;
  RecordStore store_;
  AppSettings settings_;
  StoreFile settingsFile_;
  StoreFile dataFile_;
  std::vector<ListRow> rows_;
  int currentTab_ = 0;
  int sortColumn_ = -1;
  bool sortDescending_ = false;
  DueThreshold due_;
};

}  // namespace mirevo
