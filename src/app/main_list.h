// The list of the main window without the window: the current tab, the rows
// it shows (texts, colour and the record behind each), the sort state and
// the due threshold the rows were coloured with.
#pragma once

#include <string>
#include <vector>

#include "app/list_row.h"
#include "app/views.h"
#include "reminders/due_rules.h"
#include "reminders/reminder_schedule.h"
#include "store/app_settings.h"
#include "store/clock.h"
#include "store/record_store.h"

namespace mirevo {

class MainList {
 public:
  MainList(RecordStore& store, const AppSettings& settings, ListScreen& screen, const Clock& clock);

  // The tab "default_type" names, shown.
  void ShowStartTab();
  // Fills the list with a tab's works; a tab outside 0..5 changes nothing.
  void ShowTab(int tab);
  // Moves the tab strip to a tab (the caller shows it).
  void SwitchTab(int tab);
  // The current tab again, with a new threshold: after a setting changed.
  void Refill() { ShowTab(currentTab_); }
  // Rewrites one row from its record, against the threshold the list was
  // filled with (an edit renews it first).
  void RefreshRow(int row);
  void RenewDueThreshold();
  // The rows coloured again against a new threshold, as filling the list
  // would colour them, but keeping the rows, the selection and the scroll:
  // only a row whose colour or texts changed is redrawn. For the moments at
  // which the due picture changes by itself (a due time, midnight).
  void RecolourRows();
  void OnTabSelected(int tab) { ShowTab(tab); }
  // Ascending on a new column, then descending, then ascending...
  void OnColumnHeaderClick(int column);

  // The selected row, or -1 with none.
  int SelectedRow() const;
  // The work a row shows; the commands act on it, never on another work
  // that happens to share its id.
  SeriesRecord& RecordOfRow(int row) { return *rows_[row].record; }
  const SeriesRecord& RecordOfRow(int row) const { return *rows_[row].record; }
  // Drops a row whose work was removed.
  void RemoveRow(int row);

  // The due summary for the tray's balloon, with a fresh threshold. Every
  // work it lists counts as seen from then on.
  std::string DueSummaryText();
  // Whether the summary would now list a due work it has not listed yet.
  bool HasNewlyDue();

  // The rows, their texts written only once asked for through TextsOfRow.
  const std::vector<ListRow>& Rows() const { return rows_; }
  const RowTexts& TextsOfRow(int row) const;
  int CurrentTab() const { return currentTab_; }
  RecordList& CurrentList() { return store_.lists[currentTab_]; }
  int SortColumn() const { return sortColumn_; }
  bool SortDescending() const { return sortDescending_; }

 private:
  void FillList(RecordList& list);
  void WriteRow(int row, std::string_view now);

  RecordStore& store_;
  const AppSettings& settings_;
  ListScreen& screen_;
  const Clock& clock_;
  // Mutable for the texts, which are written when first read.
  mutable std::vector<ListRow> rows_;
  int currentTab_ = 0;
  int sortColumn_ = -1;
  bool sortDescending_ = false;
  DueThreshold due_;
  SeenDueWorks seenDue_;
};

}  // namespace mirevo
