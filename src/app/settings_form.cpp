#include "app/settings_form.h"

#include <tuple>
#include <utility>

namespace mirevo {
namespace {

constexpr int kMaxAlpha = 9;

constexpr int kRuleCount = std::tuple_size_v<decltype(ReminderSettings::rules)>;

bool IsRule(int rule) {
  return rule >= 0 && rule < kRuleCount;
}

int Flag(bool on) {
  return on ? 1 : 0;
}

}  // namespace

std::optional<std::string> SettingsForm::Open(const AppSettings& current) {
  copy = current;
  applyEnabled = false;

  general.topShow = copy.topShow == 1;
  general.autoHide = copy.autoHide == 1;
  general.aniWin = copy.aniWin == 1;
  general.rememberTab = copy.defaultType != kNoRememberedTab;
  general.trayBalloons = copy.allowTrayBalloonTip == 1;
  general.summaryKinds = SummaryKindsOf(copy.tipShowType);
  general.preview = copy.preview == 1;
  general.accuracy = copy.accuracy == 1;
  general.alpha = copy.SafeAlpha();

  // The kind boxes keep their values while balloons are off.
  summaryKindsEnabled = general.trayBalloons;
  // Edge hiding needs a topmost window, and the slide needs edge hiding.
  autoHideEnabled = general.topShow;
  if (!general.topShow) general.autoHide = false;
  aniWinEnabled = general.autoHide;
  if (!general.autoHide) general.aniWin = false;

  // The page's window is new, its boxes empty.
  search = SearchPageForm();
  search.source = copy.searchSource;
  search.encoding = copy.searchEncode;
  search.prefix = copy.searchPrefix;
  search.postfix = copy.searchPostfix;
  SearchPageForm::Opened opened = search.Open();
  ReportSearchChange(opened.changed);
  return opened.message;
}

void SettingsForm::ClickTopmost(const GeneralValues& read) {
  general = read;
  general.autoHide = false;
  general.aniWin = false;
  // Checking 1037 frees 1067 only; 1068 waits until 1067 is checked.
  autoHideEnabled = general.topShow;
  aniWinEnabled = false;
  applyEnabled = true;
}

void SettingsForm::ClickAutoHide(const GeneralValues& read) {
  general = read;
  general.aniWin = false;
  aniWinEnabled = general.autoHide;
  applyEnabled = true;
}

void SettingsForm::ClickTrayBalloons(const GeneralValues& read) {
  general = read;
  summaryKindsEnabled = general.trayBalloons;
  applyEnabled = true;
}

void SettingsForm::ChangeOther(const GeneralValues& read) {
  general = read;
  applyEnabled = true;
}

bool SettingsForm::ReminderSwitchShown(int rule) const {
  return IsRule(rule) && copy.reminders.rules[rule].enabled == 1;
}

void SettingsForm::ClickReminderSwitch(int rule, bool checked) {
  if (!IsRule(rule)) return;
  copy.reminders.rules[rule].enabled = Flag(checked);
  applyEnabled = true;
}

int SettingsForm::ReminderColour(int rule) const {
  return IsRule(rule) ? copy.reminders.rules[rule].colour : 0;
}

void SettingsForm::FinishReminderColour(int rule, std::optional<int> chosen) {
  if (!chosen || !IsRule(rule)) return;
  copy.reminders.rules[rule].colour = *chosen;
  applyEnabled = true;
}

void SettingsForm::ClickSearchSource(int clicked) {
  ReportSearchChange(search.ClickSource(clicked));
}

void SettingsForm::ClickSearchEncoding(int clicked) {
  ReportSearchChange(search.ClickEncoding(clicked));
}

void SettingsForm::ChangeSearchText(SearchBox box, std::optional<std::string> text) {
  ReportSearchChange(search.ChangeText(box, std::move(text)));
}

std::optional<SettingsForm::Refusal> SettingsForm::Apply(const GeneralValues& read) {
  std::optional<Refusal> refusal = Confirm(read);
  if (!refusal) applyEnabled = false;
  return refusal;
}

std::optional<SettingsForm::Refusal> SettingsForm::Confirm(const GeneralValues& read) {
  general = read;
  // Checked before anything is read back, so a refused text leaves the copy
  // as the main window last saw it.
  if (std::optional<Refusal> refusal = search.Check()) return refusal;
  search.ReadControls();
  ReadBack();
  return std::nullopt;
}

void SettingsForm::ReadBack() {
  copy.topShow = Flag(general.topShow);
  copy.autoHide = Flag(general.autoHide);
  copy.aniWin = Flag(general.aniWin);
  // 0 lets the next save write the tab shown then.
  copy.defaultType = general.rememberTab ? 0 : kNoRememberedTab;
  copy.allowTrayBalloonTip = Flag(general.trayBalloons);
  copy.tipShowType = TipShowTypeOf(general.summaryKinds);
  copy.preview = Flag(general.preview);
  copy.accuracy = Flag(general.accuracy);
  copy.alpha = general.alpha >= 0 && general.alpha <= kMaxAlpha ? general.alpha : 0;

  copy.searchSource = search.source;
  copy.searchEncode = search.encoding;
  // Check() has made sure both boxes held GBK texts.
  copy.searchPrefix = search.prefix.value_or(std::string());
  copy.searchPostfix = search.postfix.value_or(std::string());
}

void SettingsForm::ReportSearchChange(bool changed) {
  if (changed) applyEnabled = true;
}

}  // namespace mirevo
