#include "ui/shell/preview_feature.h"

#include <commctrl.h>

#include "look/popup_placement.h"
#include "resource.h"
#include "ui/win32/screen_metrics.h"

namespace mirevo::ui {

void PreviewFeature::Hide() {
  if (popup_) popup_->Hide();
}

void PreviewFeature::SetTransparency(int level) {
  if (popup_) popup_->SetTransparency(level);
}

std::optional<LRESULT> PreviewFeature::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      // The window has the click as well.
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header != nullptr && header->idFrom == IDC_LIST && header->code == NM_CLICK)
        OnListClick();
      return std::nullopt;
    }
    case WM_MOVE:
      if (const int row = window_.Screen().SelectedRow(); popup_ && row >= 0)
        popup_->MoveTo(PlaceFor(row));
      return std::nullopt;
    case WM_DESTROY:
      Close();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void PreviewFeature::OnListClick() {
  if (!settings_.previewOn.On()) return;
  // The list's own bounds: a row the control reports must be one it shows.
  const int row = list_.SelectedRow();
  const std::string path(row >= 0 ? list_.RecordOfRow(row).previewPath.View() : "");
  if (path.empty()) {
    Hide();
    return;
  }
  if (!popup_) {
    popup_ = std::make_unique<PreviewPopup>();
    if (!popup_->Create(window_.Hwnd())) {
      popup_.reset();
      return;
    }
  }
  popup_->ShowPicture(path, PlaceFor(row), settings_.TransparencyLevel());
  // The keyboard stays with the list, as before the click.
  window_.Screen().FocusList();
}

POINT PreviewFeature::PlaceFor(int row) const {
  POINT rowCorner{};
  ::SendMessageW(window_.Screen().List(), LVM_GETITEMPOSITION, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&rowCorner));
  const Point place =
      PlacePreviewPopup(window_.CurrentWindowRect(), rowCorner.y, win32::ScreenDpi());
  return {place.x, place.y};
}

}  // namespace mirevo::ui
