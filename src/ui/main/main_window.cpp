#include "ui/main/main_window.h"

#include <commctrl.h>

#include "resource.h"
#include "ui/main/main_window_menu.h"
#include "ui/main/record_dialog.h"
#include "ui/main/type_dialog.h"
#include "ui/win32/gdi.h"
#include "ui/win32/menu.h"
#include "ui/win32/module.h"
#include "ui/win32/screen_metrics.h"

namespace mirevo::ui {
namespace {

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
    : ProgramDialog(IDD_MAIN),
      services_(services),
      clock_(clock),
      controller_(*this, *this, listScreen_, *this, clock) {
  listScreen_.ShowRowsOf(controller_.List());
}

// ---- Initialisation -------------------------------------------------------

bool MainWindow::OnOpen() {
  listScreen_.Attach(Item(IDC_TABS), Item(IDC_LIST));
  AddAboutToSystemMenu();
  SetUpIcons();
  featuresLive_ = true;
  for (MainWindowFeature* feature : features_) feature->OnCreated();

  // The order matters: what the settings switch (the tray's hover, the
  // transparency) holds while the data file may still show a message; the
  // settings give the column widths, the data file needs the settings'
  // path, and the start tab needs both.
  controller_.LoadSettings(win32::ScreenDpi());
  for (MainWindowFeature* feature : features_) feature->OnSettingsRead();
  listScreen_.InsertTabsAndColumns(controller_.Settings().columnWidths);
  controller_.LoadDataAndShowStartTab();
  recoveryTimer_.Start(Hwnd(), kRecoveryTimerMs);
  for (MainWindowFeature* feature : features_) feature->OnStarted();

  // The list is what the keyboard works on: Enter edits its selected work.
  listScreen_.FocusList();
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

// ---- Messages -------------------------------------------------------------

std::optional<LRESULT> MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (featuresLive_) {
    for (MainWindowFeature* feature : features_) {
      if (std::optional<LRESULT> answer = feature->OnMessage(message, wParam, lParam))
        return answer;
    }
    if (message == WM_NCDESTROY) featuresLive_ = false;
  }
  switch (message) {
    case WM_CLOSE:
      // The close box, Alt+F4 and the system menu's close all arrive here;
      // left to the dialog they would become IDCANCEL, which is Escape's.
      controller_.CloseMainWindow();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Nothing may be asked now: the messages of a failed write would only
      // hold the shutdown up.
      if (wParam != FALSE) controller_.SaveOnSessionEnd();
      return 0;
    case WM_PAINT:
      if (PaintIconic()) return 0;
      return std::nullopt;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(bigIcon_.get());
    case WM_TIMER:
      if (wParam != kRecoveryTimerId) return std::nullopt;
      controller_.OnRecoveryTimer();
      return 0;
    default:
      return ProgramDialog::HandleMessage(message, wParam, lParam);
  }
}

bool MainWindow::PaintIconic() {
  if (!::IsIconic(Hwnd())) return false;
  win32::PaintScope paint(Hwnd());
  ::SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.get()), 0);
  RECT client{};
  ::GetClientRect(Hwnd(), &client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(paint.get(), x, y, bigIcon_.get());
  return true;
}

bool MainWindow::OnCommand(int id, int code, HWND control) {
  if (control != nullptr && code != BN_CLICKED) return ProgramDialog::OnCommand(id, code, control);
  RecordCommands& commands = controller_.Commands();
  switch (id) {
    case IDC_ADD:
      commands.Add();
      return true;
    case IDC_UPDATE:
      commands.Update();
      return true;
    case IDC_EDIT:
      commands.Edit();
      return true;
    case IDC_FINISH:
      commands.Finish();
      return true;
    case IDC_DELETE:
      commands.Delete();
      return true;
    case IDC_SEARCH:
      commands.Search();
      return true;
    case IDC_SAVE_EXIT:
      controller_.SaveAndExit();
      return true;
    default:
      return ProgramDialog::OnCommand(id, code, control);
  }
}

void MainWindow::OnOk() {
  controller_.Commands().Edit();
}

void MainWindow::OnCancel() {
  controller_.OnEscape();
}

std::optional<LRESULT> MainWindow::OnNotify(NMHDR* header) {
  if (header == nullptr) return std::nullopt;
  if (header->idFrom == IDC_LIST) return OnListNotify(header);
  if (header->idFrom == IDC_TABS && header->code == TCN_SELCHANGE) {
    controller_.List().OnTabSelected(listScreen_.CurrentTab());
    return 0;
  }
  return std::nullopt;
}

std::optional<LRESULT> MainWindow::OnListNotify(NMHDR* header) {
  switch (header->code) {
    case NM_DBLCLK:
      controller_.Commands().OnListDoubleClick();
      return 0;
    case NM_RCLICK:
      controller_.Commands().OnContextMenu();
      return 0;
    case LVN_COLUMNCLICK:
      controller_.List().OnColumnHeaderClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    default:
      return std::nullopt;
  }
}

// ---- Views ----------------------------------------------------------------

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
  std::unique_ptr<QxMenu> menu = LoadListMenu(state);
  QxMenu* popup = ListMenuPopup(menu.get());
  if (popup == nullptr) return MenuCommand::kNone;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // The window draws the items while the menu is open (they come back to
  // the menu through the window's item requests).
  return MenuCommandOf(win32::TrackPopupForCommand(popup->Handle(), Hwnd(), cursor));
}

void MainWindow::OpenAddress(const std::string& address) {
  services_.shell.Open(Hwnd(), address);
}

std::optional<Rect> MainWindow::RectToKeep() const {
  if (::IsIconic(Hwnd())) return std::nullopt;
  return CurrentWindowRect();
}

Rect MainWindow::CurrentWindowRect() const {
  RECT rect{};
  ::GetWindowRect(Hwnd(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void MainWindow::EndProgram() {
  // What lives on the window (the settings dialog, the preview popup) is
  // destroyed with it.
  Close(IDOK);
}

}  // namespace mirevo::ui
