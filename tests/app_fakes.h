// The scripted fake of the main window for the tests of app/: it records
// every call, answers questions, menus and dialogs from a script and keeps
// the selection as a single-selection list does.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_title.h"
#include "app/main_controller.h"
#include "app/record_form.h"
#include "reminders_time_zone.h"
#include "support/temp_folder.h"

namespace mirevo::testing {

// A message box or a question: text and caption.
using Shown = std::pair<std::string, std::string>;
using ShownList = std::vector<Shown>;

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
  using RecordScript = std::function<bool(RecordForm&)>;

  // What the program did: the message boxes and questions, each record form
  // as its dialog opened, the tab strip's switches,
  // the addresses opened and how often the list was focused.
  ShownList messages, questions;
  std::vector<RecordForm> openedForms;
  std::vector<int> tabSwitches, changedRows;
  std::vector<std::string> addresses;
  int focused = 0;
  // The script: answers, record dialogs, type dialogs (a category, or
  // nullopt to cancel) and menu choices, each taken in order.
  std::deque<Answer> answers;
  std::deque<RecordScript> recordDialogs;
  std::deque<std::optional<int>> typeDialogs;
  std::deque<MenuCommand> menuChoices;
  int selected = -1;
  bool ended = false;
  std::optional<Rect> rect = Rect{10, 20, 610, 420};  // nullopt: minimised
  const std::vector<ListRow>* rows = nullptr;

  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.emplace_back(text, caption);
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override {
    questions.emplace_back(text, caption);
    return Next(answers, "question", Answer::kCancel);
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    return AskYesNo(text, caption);
  }
  bool RunRecordDialog(RecordForm& form) override {
    openedForms.push_back(form);
    return Next<RecordScript>(recordDialogs, "record dialog", Cancelled)(form);
  }
  bool RunTypeDialog(TypeForm& form) override {
    std::optional<int> choice = Next<std::optional<int>>(typeDialogs, "type dialog", {});
    form.category = choice.value_or(form.category);
    return choice.has_value();
  }
  MenuCommand ShowContextMenu(const ContextMenuState&) override {
    return Next(menuChoices, "context menu", MenuCommand::kNone);
  }
  int SelectedRow() const override { return selected; }
  // A refilled list has no selection; a removed row takes the selection with it.
  void RowsReset() override { selected = -1; }
  void RowChanged(int row) override { changedRows.push_back(row); }
  void RowRemoved(int row) override { selected = selected == row ? -1 : selected; }
  void SelectRow(int row) override {
    selected = rows && row >= 0 && row < static_cast<int>(rows->size()) ? row : -1;
  }
  void FocusList() override { ++focused; }
  ColumnWidths CurrentColumnWidths() const override { return DefaultColumnWidths(); }
  void SetCurrentTab(int tab) override { tabSwitches.push_back(tab); }
  void OpenAddress(const std::string& address) override { addresses.push_back(address); }
  std::optional<Rect> RectToKeep() const override { return rect; }
  void EndProgram() override { ended = true; }

  // Fills in the form as a user would and presses "确定"; a refusal fails the test.
  static RecordScript Confirmed(std::function<void(RecordForm&)> fill) {
    return [fill](RecordForm& form) {
      fill(form);
      auto refusal = form.Confirm();
      if (refusal) ADD_FAILURE() << "record form refused: " << refusal->message;
      return !refusal;
    };
  }
  static bool Cancelled(RecordForm&) { return false; }
};

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

  // Start-up as the window runs it; with data, the data file is written
  // first. Then, unless tab is -1, the user shows a tab and selects a row.
  void Start(const std::string& data = {}, int tab = -1, int row = -1) {
    if (!data.empty()) WriteBytes("data.mvd", data);
    store = {};
    controller.LoadSettings(96);
    controller.LoadDataAndShowStartTab();
    if (tab >= 0) list.OnTabSelected(tab);
    view.selected = row;
  }
  // "保存并退出", and the data file it wrote.
  std::string Saved() {
    controller.SaveAndExit();
    return DataFile();
  }

  std::string DataFile() const { return ReadBytes("data.mvd"); }
  const std::string& Text(int row, int column) const {
    list.Rows().at(row);  // a row past the end throws, as a failed check
    return list.TextsOfRow(row).at(column);
  }

  // Adds a work on the current tab through the record dialog.
  void AddWork(const std::string& name, int episode) {
    view.recordDialogs.push_back(FakeView::Confirmed([=](RecordForm& form) {
      std::tie(form.name, form.episodeText) = std::tuple(name, std::to_string(episode));
    }));
    commands.Add();
  }
  // Edits the selected work through the record dialog.
  void EditWork(std::function<void(RecordForm&)> change) {
    view.recordDialogs.push_back(FakeView::Confirmed(std::move(change)));
    commands.Edit();
  }

  ScopedTimeZone zone{kChinaZone};
  std::filesystem::path savedFolder = std::filesystem::current_path();
  TempFolder folder;
  FixedClock clock{kChinaTuesdayEvening};
  FakeView view;
  MainController controller{view, view, view, view, clock};
  MainList& list = controller.List();
  RecordCommands& commands = controller.Commands();
  RecordStore& store = controller.GetSession().Store();
  AppSettings& settings = controller.GetSession().Settings();
};

}  // namespace mirevo::testing
