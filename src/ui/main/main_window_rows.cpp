#include "ui/main/main_window_rows.h"

namespace mirevo::ui {

int ControllerRows::RowCount() const {
  return static_cast<int>(controller_.Rows().size());
}

std::string_view ControllerRows::CellText(int row, int column) const {
  const auto& rows = controller_.Rows();
  if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= kColumnCount) {
    return {};
  }
  return rows[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)];
}

COLORREF ControllerRows::RowTextColour(int row) const {
  const auto& rows = controller_.Rows();
  if (row < 0 || row >= static_cast<int>(rows.size())) return RGB(0, 0, 0);
  return static_cast<COLORREF>(rows[static_cast<std::size_t>(row)].colour);
}

}  // namespace mirevo::ui
