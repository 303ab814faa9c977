// "设置": the modeless settings dialog with its three pages (常规, 提醒,
// 搜索). It shows a SettingsForm and forwards every control to it; the
// result goes to the main window as a message: apply the copy or not, and
// whether the dialog is closing.
#pragma once

#include <windows.h>

#include "app/settings_form.h"
#include "resource.h"
#include "store/app_settings.h"
#include "ui/controls/dialog_buttons.h"
#include "ui/win32/dialog.h"
#include "ui/win32/tab_strip.h"
#include "ui/win32/ui_services.h"

namespace mirevo::ui {

class SettingsDialog;

// One page: a child dialog of the tab control whose controls belong to the
// settings dialog.
class SettingsPage final : public win32::Dialog {
 public:
  SettingsPage(int templateId, SettingsDialog& owner) : Dialog(templateId), owner_(owner) {}

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  // Enter inside a page does nothing by itself.
  void OnOk() override {}
  void OnCancel() override;

 private:
  SettingsDialog& owner_;
};

class SettingsDialog final : public win32::Dialog {
 public:
  // wParam 1: apply the copy; lParam 1: the dialog is closing.
  static constexpr UINT kResultMessage = WM_USER + 101;

  SettingsDialog(const AppSettings& current, win32::UiServices& services);

  // The copy as "应用" or "确定" read it back.
  const AppSettings& Copy() const { return form_.copy; }

  // A control of one of the pages.
  void OnPageCommand(int id, int code);

 protected:
  bool OnInitDialog() override;
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
  // "应用" and "确定": false after showing a refusal.
  bool TakeBack(bool closing);
  void SendResult(bool apply, bool closing);

  SettingsForm form_;
  const AppSettings& current_;
  win32::UiServices& services_;
  win32::TabStrip tabs_;
  SettingsPage general_{IDD_GENERAL_PAGE, *this};
  SettingsPage reminders_{IDD_REMINDER_PAGE, *this};
  SettingsPage search_{IDD_SEARCH_PAGE, *this};
  DialogButtons buttons_;
  DialogButtons reminderButtons_;
  // Writing the form into the controls makes them report changes that the
  // form has already counted.
  bool showing_ = false;
};

}  // namespace mirevo::ui
