#include "app/settings_form.h"

#include <tuple>
#include <utility>

namespace mirevo {
namespace {

constexpr int kRuleCount = std::tuple_size_v<decltype(ReminderSettings::rules)>;

bool IsRule(int rule) {
  return rule >= 0 && rule < kRuleCount;
}

}  // namespace

std::optional<std::string> SettingsForm::Open(const AppSettings& current) {
  copy = current;
  applyEnabled = false;

  general.topmost = copy.topmost.On();
  general.autoHide = copy.autoHide.On();
  general.slideWhenHiding = copy.slideWhenHiding.On();
  general.rememberTab = copy.rememberedTab != kNoRememberedTab;
  general.trayBalloons = copy.trayBalloons.On();
  general.summaryKinds = SummaryKindsOf(copy.summarySections);
  general.previewOn = copy.previewOn.On();
  general.dueByDay = copy.dueByDay.On();
  general.transparencyLevel = copy.TransparencyLevel();

  // The kind boxes keep their values while balloons are off.
  summaryKindsEnabled = general.trayBalloons;
  // Edge hiding needs a topmost window, and the slide needs edge hiding.
  autoHideEnabled = general.topmost;
  if (!general.topmost) general.autoHide = false;
  slideWhenHidingEnabled = general.autoHide;
  if (!general.autoHide) general.slideWhenHiding = false;

  // The page's window is new, its boxes empty.
  search = SearchPageForm();
  search.source = copy.searchSource;
  search.encoding = copy.searchEncoding;
  search.prefix = copy.searchPrefix;
  search.postfix = copy.searchPostfix;
  SearchPageForm::Opened opened = search.Open();
  ReportSearchChange(opened.changed);
  return opened.message;
}

void SettingsForm::ClickTopmost(const GeneralValues& read) {
  general = read;
  general.autoHide = false;
  general.slideWhenHiding = false;
  // Checking IDC_TOPMOST frees IDC_AUTO_HIDE only; IDC_ANI_WIN waits until
  // IDC_AUTO_HIDE is checked.
  autoHideEnabled = general.topmost;
  slideWhenHidingEnabled = false;
  applyEnabled = true;
}

void SettingsForm::ClickAutoHide(const GeneralValues& read) {
  general = read;
  general.slideWhenHiding = false;
  slideWhenHidingEnabled = general.autoHide;
  applyEnabled = true;
}

void SettingsForm::ClickTrayBalloons(const GeneralValues& read) {
  general = read;
  summaryKindsEnabled = general.trayBalloons;
  applyEnabled = true;
}

void SettingsForm::ChangeIndependentControl(const GeneralValues& read) {
  general = read;
  applyEnabled = true;
}

bool SettingsForm::ReminderSwitchShown(int rule) const {
  return IsRule(rule) && copy.reminders.rules[rule].enabled.On();
}

void SettingsForm::ClickReminderSwitch(int rule, bool checked) {
  if (!IsRule(rule)) return;
  copy.reminders.rules[rule].enabled = SwitchOf(checked);
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
  copy.topmost = SwitchOf(general.topmost);
  copy.autoHide = SwitchOf(general.autoHide);
  copy.slideWhenHiding = SwitchOf(general.slideWhenHiding);
  // 0 lets the next save write the tab shown then.
  copy.rememberedTab = general.rememberTab ? 0 : kNoRememberedTab;
  copy.trayBalloons = SwitchOf(general.trayBalloons);
  copy.summarySections = SummarySectionsOf(general.summaryKinds);
  copy.previewOn = SwitchOf(general.previewOn);
  copy.dueByDay = SwitchOf(general.dueByDay);
  copy.transparency = general.transparencyLevel;

  copy.searchSource = search.source;
  copy.searchEncoding = search.encoding;
  // Check() has made sure both boxes held GBK texts.
  copy.searchPrefix = search.prefix.value_or(std::string());
  copy.searchPostfix = search.postfix.value_or(std::string());
}

void SettingsForm::ReportSearchChange(bool changed) {
  if (changed) applyEnabled = true;
}

}  // namespace mirevo
