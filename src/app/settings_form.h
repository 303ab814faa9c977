// The settings dialog ("设置") without its window: its copy of the settings,
// what the general controls show and which of them can be used, the changes
// of the reminder page, the search page, and the state of "应用".
//
// The window shows this form after every call: the general check boxes and
// their enabled states, the reminder page's boxes and colour buttons, the
// search page (search_page_form.h) and "应用".
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/search_page_form.h"
#include "reminders/due_summary.h"
#include "store/app_settings.h"

namespace mirevo {

// What the general controls show, as the dialog reads them.
struct GeneralValues {
  bool topmost = false;          // IDC_TOPMOST "最上层显示"
  bool autoHide = false;         // IDC_AUTO_HIDE "边缘自动隐藏"
  bool slideWhenHiding = false;  // IDC_ANI_WIN "动画隐藏"
  bool rememberTab = true;       // IDC_REMEMBER_TAB "退出时记录最近使用的标签"
  bool trayBalloons = true;      // IDC_TRAY_BALLOONS "启用托盘气泡提示(限WinXP系统)"
  // By SummaryKind: IDC_SUMMARY_ANIME "动画" … IDC_SUMMARY_AWAITED "期待".
  SummaryKinds summaryKinds{true, true, true, true, true};
  bool previewOn = true;      // IDC_PREVIEW "启用预览图"
  bool dueByDay = false;      // IDC_ACCURACY "过7天提醒功能精确到天"
  int transparencyLevel = 0;  // IDC_ALPHA's selected index, "0%" … "90%"
  bool operator==(const GeneralValues&) const = default;
};

struct SettingsForm {
  // The dialog's copy. Opening fills it whole; the reminder page changes it
  // at once, the general and search pages only when they are read back on
  // "应用" and "确定". The main window applies it with ApplySettings.
  AppSettings copy;
  GeneralValues general;
  // Every other general control is always enabled.
  bool autoHideEnabled = true;
  bool slideWhenHidingEnabled = true;
  bool summaryKindsEnabled = true;
  bool applyEnabled = false;
  SearchPageForm search;

  // "设置" made the dialog: everything from the current settings. Returns
  // the message the search page shows as it opens (caption kSearchCaption).
  std::optional<std::string> Open(const AppSettings& current);

  // The general controls; each takes what the controls show after the click.
  // The three on which others depend:
  void ClickTopmost(const GeneralValues& read);       // IDC_TOPMOST
  void ClickAutoHide(const GeneralValues& read);      // IDC_AUTO_HIDE
  void ClickTrayBalloons(const GeneralValues& read);  // IDC_TRAY_BALLOONS
  // Any other: the check boxes IDC_ACCURACY, IDC_PREVIEW, IDC_SUMMARY_*,
  // IDC_ANI_WIN and a new selection in IDC_ALPHA.
  void ChangeIndependentControl(const GeneralValues& read);

  // The reminder page, rule by ReminderRuleIndex.
  bool ReminderSwitchShown(int rule) const;
  // The check boxes IDC_NEXT_TIME_RULE, IDC_WEEKDAY_RULE, IDC_EARLIEST_RULE.
  void ClickReminderSwitch(int rule, bool checked);
  // The colour buttons IDC_NEXT_TIME_COLOUR, IDC_WEEKDAY_COLOUR,
  // IDC_EARLIEST_COLOUR: the chooser opens on ReminderColour; chosen is
  // nullopt when the user cancelled it.
  int ReminderColour(int rule) const;
  void FinishReminderColour(int rule, std::optional<int> chosen);

  // The search page's events.
  void ClickSearchSource(int clicked);
  void ClickSearchEncoding(int clicked);
  void ChangeSearchText(SearchBox box, std::optional<std::string> text);

  using Refusal = SearchPageForm::Refusal;
  // "应用": reads the general controls and the search page into the copy and
  // disables "应用"; the window then sends "apply, stay open". A refusal
  // changes neither the copy nor "应用": the window shows the message, turns
  // to the search page and focuses the box.
  std::optional<Refusal> Apply(const GeneralValues& read);
  // "确定" and Enter: reads as "应用" does; the window then hides and sends
  // "apply, closing". "取消" needs nothing from the form.
  std::optional<Refusal> Confirm(const GeneralValues& read);

 private:
  void ReadBack();
  void ReportSearchChange(bool changed);
};

}  // namespace mirevo
