// The scripted fake of the main window for the tests of app/: it records
// every call, answers questions, menus and dialogs from a script and keeps
// the selection as a single-selection list does.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_title.h"
#include "app/main_controller.h"
#include "app/record_form.h"
#include "reminders_time_zone.h"
#include "support/temp_folder.h"

namespace mirevo::testing {

struct Shown {
  std::string text, caption;
  bool operator==(const Shown&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << ::testing::PrintToString(s.text) << "/" << ::testing::PrintToString(s.caption);
  }
};

// The next scripted answer; asking beyond the script fails the test.
template <typename T>
T Next(std::deque<T>& script, const char* what, T unscripted) {
  if (script.empty()) {
    ADD_FAILURE() << what << " without a scripted answer";
    return unscripted;
  }
  T next = std::move(script.front());
  script.pop_front();
  return next;
}

class FakeView : public MessageView, public ListScreen, public DialogView, public SessionView {
 public:
  using RecordScript = std::function<bool(RecordForm&, FakeView&)>;

  // What the program did, in order: every call by name, and what it showed.
  std::vector<std::string> calls, addresses;
  std::vector<Shown> messages, questions;
  std::vector<RecordForm> openedForms;  // each record form as its dialog opened
  std::vector<ContextMenuState> menus;
  std::vector<int> tabSwitches;
  // The script: answers, record dialogs, type dialogs (a category, or
  // nullopt to cancel) and menu choices, each taken in order.
  std::deque<Answer> answers;
  std::deque<RecordScript> recordDialogs;
  std::deque<std::optional<int>> typeDialogs;
  std::deque<MenuCommand> menuChoices;
  int selected = -1;
  bool ended = false;
  Rect rect{10, 20, 610, 420};
  ColumnWidths widths{0, 90, 202, 36, 36, 49, 110, 80, 100, 110, 100, 90};
  const std::vector<ListRow>* rows = nullptr;

  void ShowMessage(const std::string& text, const std::string& caption) override {
    Log("ShowMessage", messages, Shown{text, caption});
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override {
    return Ask("AskYesNo", text, caption);
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    return Ask("AskYesNoCancel", text, caption);
  }
  bool RunRecordDialog(RecordForm& form) override {
    Log("RunRecordDialog", openedForms, form);
    return Next<RecordScript>(recordDialogs, "record dialog", Cancelled())(form, *this);
  }
  bool RunTypeDialog(TypeForm& form) override {
    calls.push_back("RunTypeDialog");
    std::optional<int> choice = Next<std::optional<int>>(typeDialogs, "type dialog", {});
    form.category = choice.value_or(form.category);
    return choice.has_value();
  }
  MenuCommand ShowContextMenu(const ContextMenuState& state) override {
    Log("ShowContextMenu", menus, state);
    return Next(menuChoices, "context menu", MenuCommand::kNone);
  }
  int SelectedRow() const override { return selected; }
  // A refilled list has no selection; a removed row takes the selection with it.
  void RowsReset() override { Select("RowsReset", -1); }
  void RowChanged(int) override { calls.push_back("RowChanged"); }
  void RowRemoved(int row) override { Select("RowRemoved", selected == row ? -1 : selected); }
  void SelectRow(int row) override {
    Select("SelectRow", rows && row >= 0 && row < static_cast<int>(rows->size()) ? row : -1);
  }
  void FocusList() override { calls.push_back("FocusList"); }
  ColumnWidths CurrentColumnWidths() const override { return widths; }
  void SetCurrentTab(int tab) override { Log("SetCurrentTab", tabSwitches, tab); }
  void OpenAddress(const std::string& address) override { Log("OpenAddress", addresses, address); }
  Rect CurrentWindowRect() const override { return rect; }
  void EndProgram() override {
    calls.push_back("EndProgram");
    ended = true;
  }

  // Fills in the form as a user would and presses "确定"; a refusal fails the test.
  static RecordScript Confirmed(std::function<void(RecordForm&)> fill) {
    return [fill](RecordForm& form, FakeView&) {
      fill(form);
      auto refusal = form.Confirm();
      if (refusal) ADD_FAILURE() << "record form refused: " << refusal->message;
      return !refusal;
    };
  }
  static RecordScript Cancelled() {
    return [](RecordForm&, FakeView&) { return false; };
  }

 private:
  template <typename T>
  void Log(const char* call, std::vector<T>& into, const T& value) {
    calls.push_back(call);
    into.push_back(value);
  }
  void Select(const char* call, int row) {
    calls.push_back(call);
    selected = row;
  }
  Answer Ask(const char* call, const std::string& text, const std::string& caption) {
    Log(call, questions, Shown{text, caption});
    return Next(answers, call, Answer::kCancel);
  }
};

inline constexpr std::time_t kTuesdayEvening = kChinaTuesdayEvening;  // 2006-01-31 20:30
inline constexpr std::time_t kOneDay = 86400;

class AppTest : public ::testing::Test {
 protected:
  // The program opens its files by relative paths: each test works in its own folder.
  AppTest() {
    std::filesystem::current_path(folder.path());
    view.rows = &list.Rows();
  }
  ~AppTest() override {
    std::error_code ignored;
    std::filesystem::current_path(savedFolder, ignored);
  }

  // Start-up as the window runs it.
  void Start() {
    controller.LoadSettings();
    controller.LoadDataAndShowStartTab();
  }

  std::string DataFile() const { return ReadBytes("data.mvd"); }
  std::string SettingsFile() const { return ReadBytes("mv.ini"); }
  bool Exists(const char* name) const { return std::filesystem::exists(name); }
  bool DataHas(const std::string& part) const { return DataFile().find(part) != std::string::npos; }

  const ListRow& Row(int row) const { return list.Rows().at(row); }
  const std::string& Text(int row, int column) const { return Row(row).texts.at(column); }

  // Adds a work on the current tab through the record dialog.
  void AddWork(const std::string& name, int episode, int weekday = -1) {
    view.recordDialogs.push_back(FakeView::Confirmed([=](RecordForm& form) {
      form.name = name;
      form.episodeText = std::to_string(episode);
      form.weekday = weekday;
    }));
    commands.Add();
  }

  ScopedTimeZone zone{kChinaZone};
  std::filesystem::path savedFolder = std::filesystem::current_path();
  TempFolder folder;
  FixedClock clock{kTuesdayEvening};
  FakeView view;
  MainController controller{view, view, view, view, clock};
  MainList& list = controller.list;
  RecordCommands& commands = controller.commands;
  RecordStore& store = controller.session.Store();
  AppSettings& settings = controller.session.Settings();
};

}  // namespace mirevo::testing
