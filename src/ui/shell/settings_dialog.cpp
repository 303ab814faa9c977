#include "ui/shell/settings_dialog.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "app/command_texts.h"
#include "store/reminder_settings.h"
#include "ui/main/form_dialog.h"
#include "ui/win32/control_text.h"
#include "ui/win32/dialog_controls.h"

namespace mirevo::ui {
namespace {

constexpr int kGeneralTab = 0;
constexpr int kSearchTab = 2;

// By SummaryKind.
constexpr std::array<int, kSummaryKindCount> kSummaryBoxes{
    IDC_SUMMARY_ANIME, IDC_SUMMARY_MANGA, IDC_SUMMARY_OVA, IDC_SUMMARY_DRAMA, IDC_SUMMARY_AWAITED};
// By ReminderRuleIndex.
constexpr std::array<int, 3> kRuleBoxes{IDC_NEXT_TIME_RULE, IDC_WEEKDAY_RULE, IDC_EARLIEST_RULE};
constexpr std::array<int, 3> kColourButtons{IDC_NEXT_TIME_COLOUR, IDC_WEEKDAY_COLOUR,
                                            IDC_EARLIEST_COLOUR};
// By source index, and by encoding index (the buttons' ids are not in order).
constexpr std::array<int, 3> kSourceButtons{IDC_SOURCE_FIRST, IDC_SOURCE_SECOND, IDC_SOURCE_CUSTOM};
constexpr std::array<int, 4> kEncodingButtons{IDC_ENCODING_NONE, IDC_ENCODING_GB2312,
                                              IDC_ENCODING_UNICODE, IDC_ENCODING_UTF8};

template <std::size_t kSize>
int IndexOf(const std::array<int, kSize>& ids, int id) {
  for (std::size_t i = 0; i < kSize; ++i)
    if (ids[i] == id) return static_cast<int>(i);
  return -1;
}

// Checks the button of that index and unchecks the others (-1: none).
template <std::size_t kSize>
void CheckOneOf(HWND page, const std::array<int, kSize>& ids, int index) {
  for (std::size_t i = 0; i < kSize; ++i)
    win32::SetChecked(page, ids[i], static_cast<int>(i) == index);
}

int BoxId(SearchBox box) {
  return box == SearchBox::kPrefix ? IDC_SEARCH_PREFIX : IDC_SEARCH_POSTFIX;
}

// Writes a box only when it shows something else: each write is reported
// as a change of the box.
void ShowBoxText(HWND page, int id, const std::optional<std::string>& text) {
  if (text && win32::ReadItemText(page, id) != text) win32::WriteItemText(page, id, *text);
}

}  // namespace

void PostSettingsResult(HWND owner, SettingsResult result) {
  const bool apply = result != SettingsResult::kClose;
  const bool closing = result != SettingsResult::kApply;
  ::PostMessageW(owner, kSettingsResultMessage, apply ? 1 : 0, closing ? 1 : 0);
}

std::optional<SettingsResult> SettingsResultOf(WPARAM wParam, LPARAM lParam) {
  const bool apply = wParam == 1, closing = lParam == 1;
  if (apply) return closing ? SettingsResult::kApplyAndClose : SettingsResult::kApply;
  if (closing) return SettingsResult::kClose;
  return std::nullopt;
}

bool SettingsPage::OnCommand(int id, int code, HWND control) {
  if (id == IDOK || id == IDCANCEL) return Dialog::OnCommand(id, code, control);
  owner_.OnPageCommand(id, code);
  return true;
}

void SettingsPage::OnCancel() {
  ::SendMessageW(owner_.Hwnd(), WM_COMMAND, IDCANCEL, 0);
}

SettingsDialog::SettingsDialog(const AppSettings& current, win32::UiServices& services)
    : ProgramDialog(IDD_SETTINGS), current_(current), services_(services) {}

bool SettingsDialog::OnOpen() {
  tabs_.Attach(Item(IDC_SETTINGS_TABS));
  int tab = 0;
  for (const char* title : {"常规", "提醒", "搜索"}) tabs_.InsertTab(tab++, title);
  for (SettingsPage* page : {&general_, &reminders_, &search_}) page->CreateChild(tabs_.Hwnd());
  PlacePages();
  for (int level = 0; level < 10; ++level)
    win32::AddComboItem(general_.Item(IDC_ALPHA), std::to_string(level * 10) + "%");

  const std::optional<std::string> message = form_.Open(current_);
  ShowForm();
  if (message) {
    services_.messages.Show(Hwnd(), *message, kSearchCaption, win32::MessageButtons::kOk,
                            win32::MessageIcon::kWarning);
  }
  ShowPage(kGeneralTab);
  return true;
}

void SettingsDialog::PlacePages() {
  RECT area{};
  ::GetClientRect(tabs_.Hwnd(), &area);
  // The pages fill what the tab strip leaves of its client area.
  ::SendMessageW(tabs_.Hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (SettingsPage* page : {&general_, &reminders_, &search_}) {
    ::MoveWindow(page->Hwnd(), area.left, area.top, area.right - area.left, area.bottom - area.top,
                 FALSE);
  }
}

void SettingsDialog::ShowPage(int tab) {
  tabs_.SetCurrent(tab);
  const SettingsPage* pages[] = {&general_, &reminders_, &search_};
  for (int i = 0; i < 3; ++i) ::ShowWindow(pages[i]->Hwnd(), i == tab ? SW_SHOW : SW_HIDE);
}

std::optional<LRESULT> SettingsDialog::OnNotify(NMHDR* header) {
  if (header->idFrom != IDC_SETTINGS_TABS || header->code != TCN_SELCHANGE) return std::nullopt;
  ShowPage(tabs_.Current());
  return 0;
}

void SettingsDialog::ShowForm() {
  showing_ = true;
  ShowGeneral();
  HWND page = reminders_.Hwnd();
  for (int rule = 0; rule < 3; ++rule)
    win32::SetChecked(page, kRuleBoxes[rule], form_.ReminderSwitchShown(rule));
  ShowReminderColours();
  ShowSearch();
  win32::EnableItem(Hwnd(), IDC_APPLY, form_.applyEnabled);
  showing_ = false;
}

void SettingsDialog::ShowReminderColours() {
  for (int rule = 0; rule < 3; ++rule) {
    FlatButton* button = reminders_.Button(kColourButtons[rule]);
    if (button == nullptr) continue;
    // The form is shown after every click on the dialog; the button
    // repaints only when its colour changed.
    button->ShowChosenColour(static_cast<Colour>(form_.ReminderColour(rule)));
  }
}

void SettingsDialog::ShowGeneral() {
  HWND page = general_.Hwnd();
  const GeneralValues& values = form_.general;
  win32::SetChecked(page, IDC_TOPMOST, values.topmost);
  win32::SetChecked(page, IDC_AUTO_HIDE, values.autoHide);
  win32::SetChecked(page, IDC_ANI_WIN, values.slideWhenHiding);
  win32::SetChecked(page, IDC_REMEMBER_TAB, values.rememberTab);
  win32::SetChecked(page, IDC_TRAY_BALLOONS, values.trayBalloons);
  for (int kind = 0; kind < kSummaryKindCount; ++kind) {
    win32::SetChecked(page, kSummaryBoxes[kind], values.summaryKinds[kind]);
    win32::EnableItem(page, kSummaryBoxes[kind], form_.summaryKindsEnabled);
  }
  win32::SetChecked(page, IDC_PREVIEW, values.previewOn);
  win32::SetChecked(page, IDC_ACCURACY, values.dueByDay);
  win32::SetComboSelection(general_.Item(IDC_ALPHA), values.transparencyLevel);
  win32::EnableItem(page, IDC_AUTO_HIDE, form_.autoHideEnabled);
  win32::EnableItem(page, IDC_ANI_WIN, form_.slideWhenHidingEnabled);
}

void SettingsDialog::ShowSearch() {
  HWND page = search_.Hwnd();
  const SearchPageForm& search = form_.search;
  CheckOneOf(page, kSourceButtons, search.SelectedSourceButton());
  CheckOneOf(page, kEncodingButtons, search.SelectedEncodingButton());
  ShowBoxText(page, IDC_SEARCH_PREFIX, search.prefixBox);
  ShowBoxText(page, IDC_SEARCH_POSTFIX, search.postfixBox);
  for (int id : {IDC_SEARCH_PREFIX, IDC_SEARCH_POSTFIX})
    win32::EnableItem(page, id, search.customEditable);
  for (int id : kEncodingButtons) win32::EnableItem(page, id, search.customEditable);
}

GeneralValues SettingsDialog::ReadGeneral() const {
  HWND page = general_.Hwnd();
  GeneralValues values;
  values.topmost = win32::IsChecked(page, IDC_TOPMOST);
  values.autoHide = win32::IsChecked(page, IDC_AUTO_HIDE);
  values.slideWhenHiding = win32::IsChecked(page, IDC_ANI_WIN);
  values.rememberTab = win32::IsChecked(page, IDC_REMEMBER_TAB);
  values.trayBalloons = win32::IsChecked(page, IDC_TRAY_BALLOONS);
  for (int kind = 0; kind < kSummaryKindCount; ++kind)
    values.summaryKinds[kind] = win32::IsChecked(page, kSummaryBoxes[kind]);
  values.previewOn = win32::IsChecked(page, IDC_PREVIEW);
  values.dueByDay = win32::IsChecked(page, IDC_ACCURACY);
  values.transparencyLevel = std::max(win32::ComboSelection(general_.Item(IDC_ALPHA)), 0);
  return values;
}

void SettingsDialog::OnPageCommand(int id, int code) {
  if (showing_) return;
  if (code == EN_CHANGE && (id == IDC_SEARCH_PREFIX || id == IDC_SEARCH_POSTFIX)) {
    const SearchBox box = id == IDC_SEARCH_PREFIX ? SearchBox::kPrefix : SearchBox::kPostfix;
    form_.ChangeSearchText(box, win32::ReadItemText(search_.Hwnd(), id));
  } else if (code == CBN_SELCHANGE && id == IDC_ALPHA) {
    form_.ChangeIndependentControl(ReadGeneral());
  } else if (code != BN_CLICKED) {
    return;
  } else if (id == IDC_TOPMOST) {
    form_.ClickTopmost(ReadGeneral());
  } else if (id == IDC_AUTO_HIDE) {
    form_.ClickAutoHide(ReadGeneral());
  } else if (id == IDC_TRAY_BALLOONS) {
    form_.ClickTrayBalloons(ReadGeneral());
  } else if (int rule = IndexOf(kRuleBoxes, id); rule >= 0) {
    form_.ClickReminderSwitch(rule, win32::IsChecked(reminders_.Hwnd(), id));
  } else if (int colour = IndexOf(kColourButtons, id); colour >= 0) {
    form_.FinishReminderColour(
        colour,
        services_.colours.Choose(Hwnd(), static_cast<COLORREF>(form_.ReminderColour(colour))));
  } else if (int source = IndexOf(kSourceButtons, id); source >= 0) {
    form_.ClickSearchSource(source);
  } else if (int encoding = IndexOf(kEncodingButtons, id); encoding >= 0) {
    form_.ClickSearchEncoding(encoding);
  } else {
    form_.ChangeIndependentControl(ReadGeneral());
  }
  ShowForm();
}

bool SettingsDialog::OnCommand(int id, int code, HWND control) {
  if (id == IDC_APPLY && code == BN_CLICKED) {
    if (AcceptControls(false)) PostSettingsResult(Owner(), SettingsResult::kApply);
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

bool SettingsDialog::AcceptControls(bool closing) {
  const GeneralValues read = ReadGeneral();
  const auto refusal = closing ? form_.Confirm(read) : form_.Apply(read);
  if (refusal) {
    ShowPage(kSearchTab);
    ShowRefusal(services_.messages, Hwnd(), refusal->message, search_.Item(BoxId(refusal->box)));
    return false;
  }
  ShowForm();
  return true;
}

void SettingsDialog::OnOk() {
  if (!AcceptControls(true)) return;
  ::ShowWindow(Hwnd(), SW_HIDE);
  PostSettingsResult(Owner(), SettingsResult::kApplyAndClose);
}

void SettingsDialog::OnCancel() {
  ::ShowWindow(Hwnd(), SW_HIDE);
  PostSettingsResult(Owner(), SettingsResult::kClose);
}

HWND SettingsDialog::Owner() const {
  return ::GetWindow(Hwnd(), GW_OWNER);
}

}  // namespace mirevo::ui
