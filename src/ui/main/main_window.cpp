#include "ui/main/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "resource.h"
#include "ui/main/main_window_menu.h"
#include "ui/main/record_dialog.h"
#include "ui/main/type_dialog.h"
#include "ui/win32/menu.h"
#include "ui/win32/module.h"

namespace mirevo::ui {
namespace {

struct ColumnLayout {
  const char* title;
  win32::ColumnAlign align;
};

constexpr std::array<ColumnLayout, kColumnCount> kColumns{{
    {"No", win32::ColumnAlign::kLeft},
    {"播放时间", win32::ColumnAlign::kLeft},
    {"名称", win32::ColumnAlign::kLeft},
    {"集数", win32::ColumnAlign::kRight},
    {"类型", win32::ColumnAlign::kCentre},
    {"评价", win32::ColumnAlign::kLeft},
    {"更新时间", win32::ColumnAlign::kLeft},
    {"备注", win32::ColumnAlign::kLeft},
    {"预览图路径", win32::ColumnAlign::kLeft},
    {"次回时间", win32::ColumnAlign::kLeft},
    {"关键词", win32::ColumnAlign::kLeft},
    {"最早更新", win32::ColumnAlign::kLeft},
}};

// In tab index order: the tab index is the index of the list it shows.
constexpr std::array<const char*, kListCount> kTabTitles{"动画", "漫画", "OVA",
                                                         "日剧", "完结", "期待"};

Answer AnswerOf(win32::MessageAnswer answer) {
  switch (answer) {
    case win32::MessageAnswer::kYes:
    case win32::MessageAnswer::kOk:
      return Answer::kYes;
    case win32::MessageAnswer::kNo:
      return Answer::kNo;
    case win32::MessageAnswer::kCancel:
      break;
  }
  return Answer::kCancel;
}

}  // namespace

MainWindow::MainWindow(win32::UiServices& services, const Clock& clock)
    : Dialog(IDD_MAIN),
      services_(services),
      clock_(clock),
      controller_(*this, clock),
      rows_(controller_) {}

// ---- Initialisation -------------------------------------------------------

bool MainWindow::OnInitDialog() {
  list_.Attach(Item(IDC_LIST));
  tabs_.Attach(Item(IDC_TABS));

  // The order matters: the settings give the column widths, the data file
  // needs the settings' path, and the start tab needs both.
  // (Flat buttons: styled here once they exist.)
  AddAboutToSystemMenu();
  SetUpIcons();
  // (Resize anchors of the buttons, the tab strip and the list: here.)
  controller_.LoadSettingsFile();
  // (The tray balloon switch goes to the tray icon here.)
  InsertTabsAndColumns();
  // (Transparency: applied here.)
  controller_.LoadDataFile();
  controller_.ShowStartTab();
  ApplyPlacement();
  // (Edge auto-hide timer: started here.)

  // The list is what the keyboard works on: Enter edits its selected work.
  FocusList();
  return false;
}

void MainWindow::AddAboutToSystemMenu() {
  const std::string about = win32::LoadStringGbk(IDS_ABOUT_MENU);
  HMENU systemMenu = ::GetSystemMenu(Hwnd(), FALSE);
  if (about.empty() || systemMenu == nullptr) return;
  win32::AppendSeparator(systemMenu);
  win32::AppendCommand(systemMenu, IDM_ABOUTBOX, about);
}

void MainWindow::SetUpIcons() {
  bigIcon_ = win32::LoadIconResource(IDI_MIREVO, ::GetSystemMetrics(SM_CXICON));
  smallIcon_ = win32::LoadIconResource(IDI_MIREVO, ::GetSystemMetrics(SM_CXSMICON));
  ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void MainWindow::InsertTabsAndColumns() {
  for (int tab = 0; tab < kListCount; ++tab) tabs_.InsertTab(tab, kTabTitles[tab]);
  list_.AddExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const ColumnWidths& widths = controller_.Settings().columnWidths;
  for (int column = 0; column < kColumnCount; ++column) {
    const ColumnLayout& layout = kColumns[static_cast<std::size_t>(column)];
    list_.InsertColumn(column, layout.title, widths[static_cast<std::size_t>(column)],
                       layout.align);
  }
}

void MainWindow::ApplyPlacement() {
  const AppSettings& settings = controller_.Settings();
  const WindowPlacement& pos = settings.windowPlacement;
  ::MoveWindow(Hwnd(), pos[0], pos[1], pos[2], pos[3], TRUE);
  if (settings.topShow == 1) {
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  // (Edge docking: the first edge check goes here, before maximising.)
  if (settings.maxSign == 1) ::ShowWindow(Hwnd(), SW_SHOWMAXIMIZED);
}

// ---- Messages -------------------------------------------------------------

std::optional<LRESULT> MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      // The close box, Alt+F4 and the system menu's close all arrive here;
      // left to the dialog they would become IDCANCEL, which is Escape's.
      controller_.CloseMainWindow();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
        // (The about box opens here.)
        return 0;
      }
      return std::nullopt;
    case WM_PAINT:
      if (PaintIconic()) return 0;
      return std::nullopt;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(bigIcon_.get());
    default:
      return Dialog::HandleMessage(message, wParam, lParam);
  }
}

bool MainWindow::PaintIconic() {
  if (!::IsIconic(Hwnd())) return false;
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(Hwnd(), &paint);
  ::SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  ::GetClientRect(Hwnd(), &client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, bigIcon_.get());
  ::EndPaint(Hwnd(), &paint);
  return true;
}

bool MainWindow::OnCommand(int id, int code, HWND control) {
  if (control != nullptr && code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_ADD:
      controller_.Add();
      return true;
    case IDC_UPDATE:
      controller_.Update();
      return true;
    case IDC_EDIT:
      controller_.Edit();
      return true;
    case IDC_FINISH:
      controller_.Finish();
      return true;
    case IDC_DELETE:
      controller_.Delete();
      return true;
    case IDC_SEARCH:
      controller_.Search();
      return true;
    case IDC_SAVE_EXIT:
      controller_.SaveAndExit();
      return true;
    case IDC_SETTINGS:
      // (The settings dialog opens here.)
      return true;
    default:
      return Dialog::OnCommand(id, code, control);
  }
}

void MainWindow::OnOk() {
  controller_.Edit();
}

void MainWindow::OnCancel() {
  controller_.OnEscape();
}

std::optional<LRESULT> MainWindow::OnNotify(NMHDR* header) {
  if (header == nullptr) return std::nullopt;
  if (header->idFrom == IDC_LIST) return OnListNotify(header);
  if (header->idFrom == IDC_TABS && header->code == TCN_SELCHANGE) {
    controller_.OnTabSelected(tabs_.Current());
    return 0;
  }
  return std::nullopt;
}

std::optional<LRESULT> MainWindow::OnListNotify(NMHDR* header) {
  if (auto answer = list_.HandleNotify(header, rows_)) return answer;
  switch (header->code) {
    case NM_DBLCLK:
      controller_.OnListDoubleClick();
      return 0;
    case NM_RCLICK:
      controller_.OnContextMenu();
      return 0;
    case NM_CLICK:
      // (The preview popup follows the clicked work here.)
      return 0;
    case LVN_COLUMNCLICK:
      controller_.OnColumnHeaderClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    default:
      return std::nullopt;
  }
}

// ---- MainView -------------------------------------------------------------

void MainWindow::ShowMessage(const std::string& text, const std::string& caption) {
  services_.messages.Show(Hwnd(), text, caption, win32::MessageButtons::kOk,
                          win32::MessageIcon::kNone);
}

Answer MainWindow::AskYesNo(const std::string& text, const std::string& caption) {
  const Answer answer = AnswerOf(services_.messages.Show(
      Hwnd(), text, caption, win32::MessageButtons::kYesNo, win32::MessageIcon::kQuestion));
  // A Yes/No box has no Cancel; closing it means No.
  return answer == Answer::kCancel ? Answer::kNo : answer;
}

Answer MainWindow::AskYesNoCancel(const std::string& text, const std::string& caption) {
  return AnswerOf(services_.messages.Show(
      Hwnd(), text, caption, win32::MessageButtons::kYesNoCancel, win32::MessageIcon::kQuestion));
}

bool MainWindow::RunRecordDialog(RecordForm& form) {
  RecordDialog dialog(form, clock_, services_);
  return dialog.RunModal(Hwnd()) == IDOK;
}

bool MainWindow::RunTypeDialog(TypeForm& form) {
  TypeDialog dialog(form);
  return dialog.RunModal(Hwnd()) == IDOK;
}

MenuCommand MainWindow::ShowContextMenu(const ContextMenuState& state) {
  win32::MenuHandle menu = LoadListMenu(state);
  HMENU popup = ListMenuPopup(menu.get());
  if (popup == nullptr) return MenuCommand::kNone;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  return MenuCommandOf(win32::TrackPopupForCommand(popup, Hwnd(), cursor));
}

int MainWindow::SelectedRow() const {
  return list_.SelectedRow();
}

void MainWindow::RowsReset() {
  // Every row is new: a selection left over from the old rows would point
  // at some other work.
  list_.SelectRow(-1);
  const int count = rows_.RowCount();
  list_.SetRowCount(count);
  if (count > 0) list_.EnsureVisible(0);
}

void MainWindow::RowChanged(int row) {
  list_.RedrawRow(row);
}

void MainWindow::RowRemoved(int /*row*/) {
  list_.SetRowCount(rows_.RowCount());
}

void MainWindow::SelectRow(int row) {
  FocusList();
  if (row >= 0 && row < list_.RowCount()) {
    list_.EnsureVisible(row);
    list_.SelectRow(row);
  } else {
    list_.SelectRow(-1);
  }
}

void MainWindow::FocusList() {
  // Through the dialog manager, so that the default button follows.
  ::SendMessageW(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.Hwnd()), TRUE);
}

ColumnWidths MainWindow::CurrentColumnWidths() const {
  ColumnWidths widths = controller_.Settings().columnWidths;
  const std::vector<int> shown = list_.ColumnWidths();
  std::copy_n(shown.begin(), std::min(shown.size(), widths.size()), widths.begin());
  return widths;
}

void MainWindow::SetCurrentTab(int tab) {
  tabs_.SetCurrent(tab);
}

void MainWindow::OpenAddress(const std::string& address) {
  services_.shell.Open(Hwnd(), address);
}

void MainWindow::ShowBalloon(const std::string& /*text*/, const std::string& /*title*/,
                             unsigned /*timeoutMs*/) {
  // The balloon belongs to the tray icon, which hands it over here once it
  // exists; until then there is nowhere to show it.
}

WindowRect MainWindow::CurrentWindowRect() const {
  RECT rect{};
  ::GetWindowRect(Hwnd(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void MainWindow::EndProgram() {
  // (The preview popup and the settings dialog are destroyed here.)
  Close(IDOK);
}

}  // namespace mirevo::ui
