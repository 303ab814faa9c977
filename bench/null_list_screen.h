// A list control that does nothing, for the benchmarks of the list's logic.
#pragma once

#include "app/views.h"

namespace mirevo {

class NullListScreen final : public ListScreen {
 public:
  int SelectedRow() const override { return -1; }
  void RowsReset() override {}
  void RowChanged(int) override {}
  void RowRemoved(int) override {}
  void SelectRow(int) override {}
  void FocusList() override {}
  void SetCurrentTab(int) override {}
  ColumnWidths CurrentColumnWidths() const override { return {}; }
};

}  // namespace mirevo
