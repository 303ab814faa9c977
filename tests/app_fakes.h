// The scripted fake of the main window for the tests of app/: it records
// every call, answers questions and runs dialogs from a script, and keeps
// the selection the way a single-selection list does. Also the fixture that
// pins the clock and the time zone and works in a fresh working folder.
#pragma once

#include <cstdlib>
#include <ctime>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_title.h"
#include "app/main_controller.h"
#include "app/main_view.h"
#include "app/record_form.h"
#include "support/temp_folder.h"

namespace mirevo::testing {

struct Shown {
  std::string text;
  std::string caption;
  bool operator==(const Shown&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Shown& shown) {
  return out << "{" << ::testing::PrintToString(shown.text) << ", "
             << ::testing::PrintToString(shown.caption) << "}";
}

class FakeView : public MainView {
 public:
  using RecordScript = std::function<bool(RecordForm&, FakeView&)>;

  // Every call, in order, by name.
  std::vector<std::string> calls;

  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::deque<Answer> answers;

  std::deque<RecordScript> recordDialogs;
  std::vector<RecordForm> openedForms;         // each record form as its dialog opened
  std::deque<std::optional<int>> typeDialogs;  // a category, or nullopt to cancel
  std::deque<MenuCommand> menuChoices;
  std::vector<ContextMenuState> menus;

  std::vector<std::string> addresses;
  std::vector<Shown> balloons;
  std::vector<int> tabSwitches;
  int selected = -1;
  bool ended = false;
  WindowRect rect{10, 20, 610, 420};
  ColumnWidths widths{0, 90, 202, 36, 36, 49, 110, 80, 100, 110, 100, 90};
  const std::vector<ListRow>* rows = nullptr;

  void ShowMessage(const std::string& text, const std::string& caption) override {
    calls.push_back("ShowMessage");
    messages.push_back({text, caption});
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override {
    calls.push_back("AskYesNo");
    return NextAnswer(text, caption);
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    calls.push_back("AskYesNoCancel");
    return NextAnswer(text, caption);
  }
  bool RunRecordDialog(RecordForm& form) override {
    calls.push_back("RunRecordDialog");
    openedForms.push_back(form);
    if (recordDialogs.empty()) {
      ADD_FAILURE() << "record dialog opened without a script";
      return false;
    }
    RecordScript script = std::move(recordDialogs.front());
    recordDialogs.pop_front();
    return script(form, *this);
  }
  bool RunTypeDialog(TypeForm& form) override {
    calls.push_back("RunTypeDialog");
    if (typeDialogs.empty()) {
      ADD_FAILURE() << "type dialog opened without a script";
      return false;
    }
    std::optional<int> choice = typeDialogs.front();
    typeDialogs.pop_front();
    if (!choice) return false;
    form.category = *choice;
    return true;
  }
  MenuCommand ShowContextMenu(const ContextMenuState& state) override {
    calls.push_back("ShowContextMenu");
    menus.push_back(state);
    if (menuChoices.empty()) return MenuCommand::kNone;
    MenuCommand choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
  }
  int SelectedRow() const override { return selected; }
  void RowsReset() override {
    calls.push_back("RowsReset");
    selected = -1;  // a refilled list has no selection
  }
  void RowChanged(int) override { calls.push_back("RowChanged"); }
  void RowRemoved(int row) override {
    calls.push_back("RowRemoved");
    if (selected == row) selected = -1;
  }
  void SelectRow(int row) override {
    calls.push_back("SelectRow");
    selected = rows && row >= 0 && row < static_cast<int>(rows->size()) ? row : -1;
  }
  void FocusList() override { calls.push_back("FocusList"); }
  ColumnWidths CurrentColumnWidths() const override { return widths; }
  void SetCurrentTab(int tab) override {
    calls.push_back("SetCurrentTab");
    tabSwitches.push_back(tab);
  }
  void OpenAddress(const std::string& address) override {
    calls.push_back("OpenAddress");
    addresses.push_back(address);
  }
  void ShowBalloon(const std::string& text, const std::string& title, unsigned) override {
    calls.push_back("ShowBalloon");
    balloons.push_back({text, title});
  }
  WindowRect CurrentWindowRect() const override { return rect; }
  void EndProgram() override {
    calls.push_back("EndProgram");
    ended = true;
  }

  // Script steps for the record dialog.
  // Fills in the form as a user would and presses "确定"; a refusal there
  // fails the test.
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
  Answer NextAnswer(const std::string& text, const std::string& caption) {
    questions.push_back({text, caption});
    if (answers.empty()) {
      ADD_FAILURE() << "question without a scripted answer";
      return Answer::kCancel;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// The China time zone, whose local time has no daylight saving. The Windows
// runtime understands only POSIX-style zone texts.
class PinnedTimeZone {
 public:
  PinnedTimeZone() {
#ifdef _WIN32
    _putenv("TZ=CST-8");
    _tzset();
#else
    setenv("TZ", "Asia/Shanghai", 1);
    tzset();
#endif
  }
};

// The process's working folder for one test: the program opens its files by
// relative paths.
class ScopedWorkingFolder {
 public:
  explicit ScopedWorkingFolder(const std::filesystem::path& folder)
      : saved_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~ScopedWorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(saved_, ignored);
  }
  ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
  ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

 private:
  std::filesystem::path saved_;
};

// 2006-01-31 20:30:00 in China, a Tuesday: 13179 days after 1970-01-01
// (a Thursday) plus 12:30 UTC.
inline constexpr std::time_t kTuesdayEvening = 13179 * 86400 + 12 * 3600 + 30 * 60;
inline constexpr int kTuesday = 2;
inline constexpr std::time_t kOneDay = 86400;

class AppTest : public ::testing::Test {
 protected:
  AppTest() { view.rows = &controller.Rows(); }

  // Start-up as the window runs it.
  void Start() {
    controller.LoadSettingsFile();
    controller.LoadDataFile();
    controller.ShowStartTab();
  }

  std::string DataFile() const { return ReadBytes("data.mvd"); }
  std::string SettingsFile() const { return ReadBytes("mv.ini"); }
  bool Exists(const char* name) const { return std::filesystem::exists(name); }

  const ListRow& Row(int row) const { return controller.Rows().at(row); }
  const std::string& Text(int row, int column) const { return Row(row).texts.at(column); }

  // Adds a work on the current tab through the record dialog.
  void AddWork(const std::string& name, int episode, int weekday = -1) {
    view.recordDialogs.push_back(FakeView::Confirmed([=](RecordForm& form) {
      form.name = name;
      form.episodeText = std::to_string(episode);
      form.weekday = weekday;
    }));
    controller.Add();
  }

  PinnedTimeZone zone;
  TempFolder folder;
  ScopedWorkingFolder workingFolder{folder.path()};
  FixedClock clock{kTuesdayEvening};
  FakeView view;
  MainController controller{view, clock};
};

}  // namespace mirevo::testing
