// Mirevo.exe as a user runs it: a copy of the real program in an empty
// folder, driven only through its windows from this process. A manga is
// added and finished; an anime is added on another tab, updated three times
// and given a next time by hand; the tray follows, then "保存并退出". A second
// start in the same folder shows that everything came back. Each step checks
// what it changed on the screen, and the data file is checked byte for byte;
// the rules behind the texts are the native tests', the other paths the
// in-process tests'.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <sstream>
#include <tuple>

#include "journey_driver.h"
#include "resource.h"
#include "support/temp_folder.h"

namespace mirevo::journey {
namespace {

using mirevo::testing::ReadBytes;

constexpr int kAnimeTab = 0, kMangaTab = 1, kFinishedTab = 4;
// List columns.
constexpr int kId = 0, kAirs = 1, kName = 2, kEpisode = 3, kKind = 4, kRating = 5, kUpdated = 6,
              kNotes = 7, kNext = 9, kEarliest = 11;

SYSTEMTIME TimeOf(const std::wstring& text) {
  SYSTEMTIME t{};
  std::swscanf(text.c_str(), L"%hu-%hu-%hu %hu:%hu", &t.wYear, &t.wMonth, &t.wDay, &t.wHour,
               &t.wMinute);
  return t;
}

// A time as the program shows it, "YYYY-MM-DD hh:mm" in local time: now or
// the given one, moved by some days.
std::wstring TimeText(int days = 0, const std::wstring& from = L"") {
  SYSTEMTIME t = TimeOf(from);
  if (from.empty()) ::GetLocalTime(&t);
  FILETIME f{};
  ::SystemTimeToFileTime(&t, &f);
  ULARGE_INTEGER steps{{f.dwLowDateTime, f.dwHighDateTime}};
  steps.QuadPart += static_cast<ULONGLONG>(days * 864000000000LL);  // steps of 100 ns
  f = {steps.LowPart, steps.HighPart};
  ::FileTimeToSystemTime(&f, &t);
  wchar_t text[32];
  std::swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
                t.wMinute);
  return text;
}

// A work as the data file holds it.
struct Work {
  int type = 0, id = 0, weekday = -1, flags = 0;  // type: its tab, plus 10 when finished
  std::wstring airTime = L"00:00", name{};
  int episode = 0, rating = -1;
  std::wstring updateTime{}, notes{}, nextTime{};
  std::string earliest{};
};

std::string Bytes(const Work& w) {
  std::ostringstream out;
  out << "T=" << w.type << ";N=" << w.id << ";w=" << w.weekday << ";t=" << Gbk(w.airTime)
      << ";n=" << Gbk(w.name) << ";v=" << w.episode << ";s=" << w.rating
      << ";d=" << Gbk(w.updateTime) << ";m=" << Gbk(w.notes) << ";p=;D=" << Gbk(w.nextTime)
      << ";k=;W=" << w.earliest << ";c=" << w.flags << ";";
  return out.str();
}

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

  // "添加" on the work's tab, filled in and confirmed; the program gives the
  // id, and a work without an update time the minute the dialog opened. The
  // work shows as the first row: id, weekday and time, name, episode, kind
  // and stars as expected, then its update and next times.
  void Add(Work& work, const std::wstring& shown) {
    ASSERT_NO_FATAL_FAILURE(ShowTab(work.type));
    Press(main_, IDC_ADD);
    HWND dialog = Await(L"添加", IDC_NAME);
    ASSERT_NE(dialog, nullptr) << "the record dialog did not show up";
    const std::wstring episode = std::to_wstring(work.episode);
    Send(Control(dialog, IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(work.name.c_str()));
    Send(Control(dialog, IDC_EPISODE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(episode.c_str()));
    Send(Control(dialog, IDC_WEEKDAY), CB_SETCURSEL, static_cast<WPARAM>(work.weekday));
    Send(Control(dialog, IDC_RATING), CB_SETCURSEL, static_cast<WPARAM>(work.rating));
    SetPicker(dialog, IDC_AIR_TIME, L"2005-02-14 " + work.airTime);
    if (work.updateTime.empty())
      work.updateTime = TextOf(Control(dialog, IDC_UPDATE_TIME));
    else
      ASSERT_NO_FATAL_FAILURE(PickTime(dialog, IDC_SET_UPDATE_TIME, work.updateTime));
    work.nextTime = TimeText(7, work.updateTime);
    ASSERT_NO_FATAL_FAILURE(Confirm(dialog));
    work.id = std::stoi(Cell(list_, 0, kId));
    EXPECT_EQ(Shown({kId, kAirs, kName, kEpisode, kKind, kRating, kUpdated, kNext}),
              shown + L"|" + work.updateTime + L"|" + work.nextTime);
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
  Work manga{.type = kMangaTab, .name = L"示例漫画", .episode = 10};
  ASSERT_NO_FATAL_FAILURE(Add(manga, L"1| |示例漫画|10|漫画|"));
  Press(main_, IDC_FINISH);
  ASSERT_TRUE(WaitFor([&] { return Send(tabs_, TCM_GETCURSEL) == kFinishedTab; }));
  manga.type += 10;
  manga.nextTime.clear();
  EXPECT_EQ(Shown({kName, kNext}), L"示例漫画|");
  const std::wstring mangaRow = Shown();
  ASSERT_NO_FATAL_FAILURE(ShowTab(kMangaTab));
  EXPECT_EQ(Send(list_, LVM_GETITEMCOUNT), 0);

  // An anime on Mondays at 23:30 with two stars, last seen two days ago.
  Work anime{.weekday = 1, .airTime = L"23:30", .name = L"示例动画", .episode = 3, .rating = 2};
  anime.updateTime = TimeText(-2);
  ASSERT_NO_FATAL_FAILURE(Add(anime, L"2|周一(月)23:30|示例动画|3|动画|☆☆"));

  // "更新" three times: one more episode each, stamped now, logged in the
  // notes, the next expected a week later.
  std::wstring shownNotes;
  for (int i = 0; i < 3; ++i) {
    const std::wstring before = TimeText(), episode = std::to_wstring(++anime.episode);
    Press(main_, IDC_UPDATE);
    ASSERT_TRUE(WaitFor([&] { return Cell(list_, 0, kEpisode) == episode; }))
        << "the list shows episode " << Gbk(Cell(list_, 0, kEpisode));
    anime.updateTime = Cell(list_, 0, kUpdated);
    EXPECT_TRUE(before <= anime.updateTime && anime.updateTime <= TimeText());
    const std::wstring logged = L"||第" + episode + L"集 于 " + anime.updateTime + L" 更新";
    anime.notes += L"\r\n" + logged;
    shownNotes += L" " + logged;
    anime.nextTime = TimeText(7, anime.updateTime);
    EXPECT_EQ(Shown({kNotes, kNext}), shownNotes + L"|" + anime.nextTime);
  }
  const std::wstring earliestShown = Cell(list_, 0, kEarliest);

  // Enter on the list edits the work ("编辑"); "date2" there sets its next
  // time by hand, next year on 4 March, which the data file marks.
  ::PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 1);
  ::PostMessageW(list_, WM_KEYUP, VK_RETURN, 0xC0000001);
  HWND edit = Await(L"编辑", IDC_NAME);
  ASSERT_NE(edit, nullptr) << "the record dialog \"编辑\" did not show up";
  anime.nextTime = std::to_wstring(std::stoi(TimeText()) + 1) + L"-03-04 05:06";
  anime.flags = 1;
  ASSERT_NO_FATAL_FAILURE(PickTime(edit, IDC_SET_NEXT_TIME, anime.nextTime));
  ASSERT_NO_FATAL_FAILURE(Confirm(edit));
  EXPECT_TRUE(WaitFor([&] { return Cell(list_, 0, kNext) == anime.nextTime; }));
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

  // "保存并退出": the anime, then the finished manga, byte for byte. The
  // anime's quickest update ("最早更新") starts with the weekday and time the
  // list showed.
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  const std::string saved = ReadBytes(DataFile());
  const std::size_t earliestAt = saved.find(";W=") + 3;
  anime.earliest = saved.substr(earliestAt, saved.find(';', earliestAt) - earliestAt);
  ASSERT_TRUE(!earliestShown.empty() && anime.earliest.starts_with(Gbk(earliestShown) + " "))
      << anime.earliest;
  EXPECT_EQ(saved, Bytes(anime) + Bytes(manga));

  // Second start: everything shows as it was; saved again, the file has not
  // changed by a byte.
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(Shown(), animeRow);
  ASSERT_NO_FATAL_FAILURE(ShowTab(kFinishedTab));
  EXPECT_EQ(Shown(), mangaRow);
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  EXPECT_EQ(ReadBytes(DataFile()), saved);
}

// Ended by a kill after an update, the program offers the update back at
// the next start, before its window: "是" brings it, and "保存并退出" keeps
// it with nothing left to recover. Changes given up (Escape, then "否" to
// saving them) are never offered back.
TEST_F(JourneyTest, AnUpdateOutlivesAKillAndChangesGivenUpAreNotOfferedBack) {
  mirevo::testing::WriteBytes(DataFile(), "T=0;N=1;n=示例动画;v=3;d=2020-01-01 10:00;");
  const std::filesystem::path recovery = DataFile() + ".unsaved";
  const auto update = [&] {
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendRemote(list_, LVM_SETITEMSTATE, 0, &item, sizeof item);
    const std::wstring episode = std::to_wstring(std::stoi(Cell(list_, 0, kEpisode)) + 1);
    Press(main_, IDC_UPDATE);
    ASSERT_TRUE(WaitFor([&] { return Cell(list_, 0, kEpisode) == episode; }));
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(recovery); })) << "no recovery file";
  };
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(update());
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
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  EXPECT_NE(ReadBytes(DataFile()).find(";v=4;"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(recovery));

  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(update());
  Press(main_, IDCANCEL);  // Escape
  HWND leave = Await(L"退出", IDNO);
  ASSERT_NE(leave, nullptr) << "no exit question";
  Press(leave, IDNO);
  ASSERT_EQ(program_->WaitForExit(), 0u);
  EXPECT_FALSE(std::filesystem::exists(recovery));
  ASSERT_NO_FATAL_FAILURE(Start());  // no question: only the main window shows
  EXPECT_EQ(Cell(list_, 0, kEpisode), L"4");
}

}  // namespace
}  // namespace mirevo::journey
