// "设置": the modeless settings dialog with its three pages (常规, 提醒,
// 搜索). It shows a SettingsForm and forwards every control to it; the
// result goes to the main window as a message (SettingsResult).
#pragma once

#include <windows.h>

#include "app/settings_form.h"
#include "resource.h"
#include "store/app_settings.h"
#include "ui/controls/program_dialog.h"
#include "ui/win32/tab_strip.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

// What the dialog tells the main window it did.
enum class SettingsResult {
  kApply,          // "应用": apply the edited settings; the dialog stays
  kApplyAndClose,  // "确定"
  kClose,          // "取消" or the close box: nothing more to apply
};

// The message that carries it to the dialog's owner, posted, so that the
// owner may destroy a closing dialog: wParam 1 to apply, lParam 1 when the
// dialog is closing.
inline constexpr UINT kSettingsResultMessage = WM_USER + 101;
void PostSettingsResult(HWND owner, SettingsResult result);
// The result a message carries; nullopt for one the dialog never sends.
std::optional<SettingsResult> SettingsResultOf(WPARAM wParam, LPARAM lParam);

class SettingsDialog;

// One page: a child dialog of the tab control whose controls belong to the
// settings dialog.
class SettingsPage final : public ProgramDialog {
 public:
  SettingsPage(int templateId, SettingsDialog& owner) : ProgramDialog(templateId), owner_(owner) {}

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  // Enter inside a page does nothing by itself.
  void OnOk() override {}
  void OnCancel() override;

 private:
  SettingsDialog& owner_;
};

class SettingsDialog final : public ProgramDialog {
 public:
  SettingsDialog(const AppSettings& current, win32::UiServices& services);

  // The settings as edited, as "应用" or "确定" read them back.
  const AppSettings& Edited() const { return form_.copy; }

  // A control of one of the pages.
  void OnPageCommand(int id, int code);

 protected:
  bool OnOpen() override;
  bool OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnNotify(NMHDR* header) override;
  void OnOk() override;
  void OnCancel() override;

 private:
  void PlacePages();
  void ShowPage(int tab);
  // Everything the form says, into the controls.
  void ShowForm();
  void ShowGeneral();
  void ShowSearch();
  // The colour buttons show the rules' colours.
  void ShowReminderColours();
  GeneralValues ReadGeneral() const;
  // "应用" and "确定": the controls into the edited settings; false after
  // showing a refusal.
  bool AcceptControls(bool closing);
  HWND Owner() const;

  SettingsForm form_;
  const AppSettings& current_;
  win32::UiServices& services_;
  win32::TabStrip tabs_;
  SettingsPage general_{IDD_GENERAL_PAGE, *this};
  SettingsPage reminders_{IDD_REMINDER_PAGE, *this};
  SettingsPage search_{IDD_SEARCH_PAGE, *this};
  // Writing the form into the controls makes them report changes that the
  // form has already counted.
  bool showing_ = false;
};

}  // namespace mirevo::ui
