// The main list's rows as the list control asks for them: the controller
// keeps the texts and colour of every row, the control only draws them.
#pragma once

#include "app/main_controller.h"
#include "ui/win32/list_view.h"

namespace mirevo::ui {

class ControllerRows final : public win32::ListRowSource {
 public:
  explicit ControllerRows(const MainController& controller) : controller_(controller) {}

  int RowCount() const override;
  std::string_view CellText(int row, int column) const override;
  // The row's colour as the due rules chose it. "No colour" is 0, which is
  // black: the row is drawn in black text, never in the list's own colour.
  COLORREF RowTextColour(int row) const override;

 private:
  const MainController& controller_;
};

}  // namespace mirevo::ui
