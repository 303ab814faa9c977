// The record commands of the main window: add, update, edit, finish, delete,
// the list's double click and context menu, and the search. Each acts on the
// work of the selected row.
#pragma once

#include "app/main_list.h"
#include "app/record_form.h"
#include "app/views.h"
#include "store/clock.h"

namespace mirevo {

inline constexpr char kEpisodeAtLimit[] = "集数已经达到上限,不能再更新了!";

class RecordCommands {
 public:
  RecordCommands(RecordStore& store, const AppSettings& settings, MainList& list,
                 ListScreen& screen, MessageView& messages, DialogView& dialogs,
                 const Clock& clock);

  void Add();
  void Update();
  void Edit();
  void Finish();
  void Delete();
  void OnListDoubleClick();
  void OnContextMenu();
  void Search();

 private:
  bool RunRecordForm(RecordForm& form);
  void ApplyUpdate(SeriesRecord& record);
  // Moves the work from the current list to the front of target's, and
  // shows it there selected.
  void MoveToList(const SeriesRecord& record, int target);

  RecordStore& store_;
  const AppSettings& settings_;
  MainList& list_;
  ListScreen& screen_;
  MessageView& messages_;
  DialogView& dialogs_;
  const Clock& clock_;
};

}  // namespace mirevo
