// Mirevo.exe as a user runs it: a copy of the real program in an empty
// folder, driven only through its windows from this process. A manga is
// added and finished; an anime is added on another tab, updated three times
// and given a next time by hand; the tray follows, then "保存并退出". A second
// start in the same folder shows that everything came back, and saving again
// leaves the data file as it was, byte for byte. Each step checks what it
// changed on the screen; the rules behind the texts (the next time a week
// on, the update log, the file's form) are the native tests', the other
// paths the in-process tests'.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

#include "journey_driver.h"
#include "resource.h"
#include "support/temp_folder.h"

namespace mirevo::journey {
namespace {

using mirevo::testing::ReadBytes;

constexpr int kAnimeTab = 0, kMangaTab = 1, kFinishedTab = 4;
// List columns.
constexpr int kId = 0, kAirs = 1, kName = 2, kEpisode = 3, kKind = 4, kRating = 5, kUpdated = 6,
              kNext = 9;

SYSTEMTIME TimeOf(const std::wstring& text) {
  SYSTEMTIME t{};
  std::swscanf(text.c_str(), L"%hu-%hu-%hu %hu:%hu", &t.wYear, &t.wMonth, &t.wDay, &t.wHour,
               &t.wMinute);
  return t;
}

// Now as the program shows a time: "YYYY-MM-DD hh:mm" in local time.
std::wstring Now() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  wchar_t text[32];
  std::swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
                t.wMinute);
  return text;
}

// A work as the record dialog takes it.
struct Work {
  int tab = kAnimeTab, weekday = -1;
  std::wstring airTime = L"00:00", name{};
  int episode = 0, rating = -1;
  std::wstring updateTime{};  // empty: the minute the dialog opened
};

class JourneyTest : public ::testing::Test {
 protected:
  std::string DataFile() const { return folder_.File("data.mvd"); }

  // Starts a copy in the folder and waits for its main window.
  void Start() {
    program_.emplace(ProgramPath(MIREVO_EXE_PATH), folder_.path());
    main_ = Await(L"Mirevo", IDC_LIST, kStartWaitMs);
    ASSERT_NE(main_, nullptr) << "the main window did not show up";
    list_ = Control(main_, IDC_LIST);
    tabs_ = Control(main_, IDC_TABS);
    ExpectOnlyMainWindow();
  }

  // The dialog with that title and control, once it shows.
  HWND Await(std::wstring_view title, int id, DWORD timeoutMs = kWaitMs) const {
    return program_->WaitForWindow(
        [&](HWND w) { return TextOf(w) == title && Control(w, id) != nullptr; }, timeoutMs);
  }

  // "确定" on a dialog, which closes.
  void Confirm(HWND dialog) {
    ASSERT_NE(dialog, nullptr) << "no window to confirm";
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(dialog); }))
        << "stayed open: " << Gbk(TextsInside(dialog));
  }

  void ExpectOnlyMainWindow() const {
    if (HWND other = program_->WaitForWindow([&](HWND w) { return w != main_; }, 0))
      ADD_FAILURE() << "also shown: " << Gbk(TextOf(other) + L": " + TextsInside(other));
  }

  void ShowTab(int tab) {
    Send(tabs_, TCM_SETCURFOCUS, tab);  // returns when the program has shown the tab
    ASSERT_EQ(Send(tabs_, TCM_GETCURSEL), tab);
  }

  // The texts of the first row's columns, joined by "|".
  std::wstring Shown(std::initializer_list<int> columns = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
                                                           11}) const {
    std::wstring texts;
    for (int column : columns) texts += L"|" + Cell(list_, 0, column);
    return texts.substr(1);
  }

  // Sets a date or time picker, as a choice in its calendar or spin would.
  static void SetPicker(HWND dialog, int id, const std::wstring& time) {
    SYSTEMTIME t = TimeOf(time);
    EXPECT_NE(SendRemote(Control(dialog, id), DTM_SETSYSTEMTIME, GDT_VALID, &t, sizeof t), 0);
  }

  // "date1" or "date2" of the record dialog: a time picked in the time dialog.
  void PickTime(HWND dialog, int button, const std::wstring& time) {
    Press(dialog, button);
    HWND picker = Await(L"时间设置", IDC_DATE_PICKER);
    SetPicker(picker, IDC_DATE_PICKER, time);
    SetPicker(picker, IDC_TIME_PICKER, time);
    ASSERT_NO_FATAL_FAILURE(Confirm(picker));
  }

  // "添加" on the work's tab, filled in and confirmed. The work shows as the
  // first row: id, weekday and time, name, episode, kind and stars as
  // expected, then its update time.
  void Add(const Work& work, const std::wstring& shown) {
    ASSERT_NO_FATAL_FAILURE(ShowTab(work.tab));
    Press(main_, IDC_ADD);
    HWND dialog = Await(L"添加", IDC_NAME);
    ASSERT_NE(dialog, nullptr) << "the record dialog did not show up";
    const std::wstring episode = std::to_wstring(work.episode);
    Send(Control(dialog, IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(work.name.c_str()));
    Send(Control(dialog, IDC_EPISODE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(episode.c_str()));
    Send(Control(dialog, IDC_WEEKDAY), CB_SETCURSEL, static_cast<WPARAM>(work.weekday));
    Send(Control(dialog, IDC_RATING), CB_SETCURSEL, static_cast<WPARAM>(work.rating));
    SetPicker(dialog, IDC_AIR_TIME, L"2005-02-14 " + work.airTime);
    std::wstring updated = work.updateTime;
    if (updated.empty())
      updated = TextOf(Control(dialog, IDC_UPDATE_TIME));
    else
      ASSERT_NO_FATAL_FAILURE(PickTime(dialog, IDC_SET_UPDATE_TIME, updated));
    ASSERT_NO_FATAL_FAILURE(Confirm(dialog));
    EXPECT_EQ(Shown({kId, kAirs, kName, kEpisode, kKind, kRating, kUpdated}),
              shown + L"|" + updated);
    ExpectOnlyMainWindow();
  }

  void SaveAndExit() {
    Press(main_, IDC_SAVE_EXIT);
    ASSERT_EQ(program_->WaitForExit(), 0u) << "the program did not end well";
  }

  mirevo::testing::TempFolder folder_;
  std::optional<Program> program_;
  HWND main_ = nullptr, tabs_ = nullptr, list_ = nullptr;
};

TEST_F(JourneyTest, WorksAddedUpdatedAndFinishedComeBackAfterARestart) {
  // First start, in an empty folder: no message, an empty list.
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(Send(list_, LVM_GETITEMCOUNT), 0);

  // A manga, seen now, with neither weekday nor stars: the first row of its
  // tab. "完结" moves it to the finished tab, where it expects nothing.
  ASSERT_NO_FATAL_FAILURE(
      Add({.tab = kMangaTab, .name = L"示例漫画", .episode = 10}, L"1| |示例漫画|10|漫画|"));
  Press(main_, IDC_FINISH);
  ASSERT_TRUE(WaitFor([&] { return Send(tabs_, TCM_GETCURSEL) == kFinishedTab; }));
  EXPECT_EQ(Shown({kName, kNext}), L"示例漫画|");
  const std::wstring mangaRow = Shown();
  ASSERT_NO_FATAL_FAILURE(ShowTab(kMangaTab));
  EXPECT_EQ(Send(list_, LVM_GETITEMCOUNT), 0);

  // An anime on Mondays at 23:30 with two stars, last seen long ago.
  ASSERT_NO_FATAL_FAILURE(Add({.weekday = 1,
                               .airTime = L"23:30",
                               .name = L"示例动画",
                               .episode = 3,
                               .rating = 2,
                               .updateTime = L"2020-01-01 10:00"},
                              L"2|周一(月)23:30|示例动画|3|动画|☆☆"));

  // "更新" three times: one more episode each, stamped now.
  for (int episode = 4; episode <= 6; ++episode) {
    const std::wstring before = Now(), shown = std::to_wstring(episode);
    Press(main_, IDC_UPDATE);
    ASSERT_TRUE(WaitFor([&] { return Cell(list_, 0, kEpisode) == shown; }))
        << "the list shows episode " << Gbk(Cell(list_, 0, kEpisode));
    const std::wstring updated = Cell(list_, 0, kUpdated);
    EXPECT_TRUE(before <= updated && updated <= Now()) << Gbk(updated);
  }

  // Enter on the list edits the work ("编辑"); "date2" there sets its next
  // time by hand, next year on 4 March.
  ::PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 1);
  ::PostMessageW(list_, WM_KEYUP, VK_RETURN, 0xC0000001);
  HWND edit = Await(L"编辑", IDC_NAME);
  ASSERT_NE(edit, nullptr) << "the record dialog \"编辑\" did not show up";
  const std::wstring nextTime = std::to_wstring(std::stoi(Now()) + 1) + L"-03-04 05:06";
  ASSERT_NO_FATAL_FAILURE(PickTime(edit, IDC_SET_NEXT_TIME, nextTime));
  ASSERT_NO_FATAL_FAILURE(Confirm(edit));
  EXPECT_TRUE(WaitFor([&] { return Cell(list_, 0, kNext) == nextTime; }));
  ExpectOnlyMainWindow();
  const std::wstring animeRow = Shown();

  // To the tray and back, by a double click on the icon (which tells the
  // window with WM_USER + 100).
  ::PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(main_); })) << "the window stayed visible";
  ::PostMessageW(main_, WM_USER + 100, IDR_TRAY_MENU, WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(main_) && !::IsIconic(main_); }))
      << "the window did not come back";
  ExpectOnlyMainWindow();

  // "保存并退出", then a second start: everything shows as it was; saved
  // again, the file has not changed by a byte.
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  const std::string saved = ReadBytes(DataFile());
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(Shown(), animeRow);
  ASSERT_NO_FATAL_FAILURE(ShowTab(kFinishedTab));
  EXPECT_EQ(Shown(), mangaRow);
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  EXPECT_EQ(ReadBytes(DataFile()), saved);
}

// Ended by a kill after an update, the program offers the update back at
// the next start, before its window: "是" brings it. Started again meanwhile,
// a second copy shows only its message, in the real message box with the
// program's name, and ends having touched no file; the first runs on, and
// "保存并退出" keeps the update with nothing left to recover. (Changes given
// up are the session's.)
TEST_F(JourneyTest, AnUpdateOutlivesAKillAndASecondCopyLeavesTheFirstAlone) {
  mirevo::testing::WriteBytes(DataFile(), "T=0;N=1;n=示例动画;v=3;d=2020-01-01 10:00;");
  const std::filesystem::path recovery = DataFile() + ".unsaved";
  ASSERT_NO_FATAL_FAILURE(Start());
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendRemote(list_, LVM_SETITEMSTATE, 0, &item, sizeof item);
  Press(main_, IDC_UPDATE);
  ASSERT_TRUE(WaitFor([&] { return Cell(list_, 0, kEpisode) == L"4"; }));
  ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(recovery); })) << "no recovery file";
  program_->Kill();

  program_.emplace(ProgramPath(MIREVO_EXE_PATH), folder_.path());
  HWND question =
      program_->WaitForWindow([](HWND w) { return Control(w, IDYES) != nullptr; }, kStartWaitMs);
  ASSERT_NE(question, nullptr) << "no question at the start";
  EXPECT_NE(TextsInside(question).find(L"要恢复这些修改吗"), std::wstring::npos);
  Press(question, IDYES);
  main_ = Await(L"Mirevo", IDC_LIST, kStartWaitMs);
  ASSERT_NE(main_, nullptr);
  list_ = Control(main_, IDC_LIST);
  EXPECT_EQ(Cell(list_, 0, kEpisode), L"4");

  const std::string data = ReadBytes(DataFile());
  {
    Program second(ProgramPath(MIREVO_EXE_PATH), folder_.path());
    HWND box = second.WaitForWindow([](HWND) { return true; }, kStartWaitMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Mirevo");
    EXPECT_NE(TextsInside(box).find(L"程序已在运行中!"), std::wstring::npos);
    Press(box, IDOK);
    ASSERT_EQ(second.WaitForExit(), 0u);
  }
  EXPECT_EQ(ReadBytes(DataFile()), data);
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "mv.ini"));
  ASSERT_EQ(program_->WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
  ExpectOnlyMainWindow();
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  EXPECT_NE(ReadBytes(DataFile()).find(";v=4;"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(recovery));
  EXPECT_TRUE(std::filesystem::exists(folder_.path() / "mv.ini"));
}

}  // namespace
}  // namespace mirevo::journey
