// Mirevo.exe as a user runs it: a copy of the real program in an empty
// folder, driven only through its windows from this process. Two works are
// added on two tabs, one is updated three times, given a next time by hand,
// the other finished; a search, the tray and a setting follow, then
// "保存并退出". Two more starts in the same folder show that everything came
// back, and that a damaged data file is kept aside before it is replaced.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "journey_driver.h"
#include "resource.h"
#include "support/temp_folder.h"

namespace mirevo::journey {
namespace {

// Tabs and list columns as the user sees them.
constexpr int kAnimeTab = 0;
constexpr int kMangaTab = 1;
constexpr int kFinishedTab = 4;
constexpr int kColumnCount = 12;
constexpr int kIdColumn = 0;
constexpr int kEpisodeColumn = 3;
constexpr int kUpdateTimeColumn = 6;
constexpr int kNextTimeColumn = 9;
constexpr int kEarliestColumn = 11;

constexpr UINT kTrayCallback = WM_USER + 100;
constexpr WPARAM kTrayIconId = 143;

// The message a data file that ends inside an entry gives.
constexpr wchar_t kDamagedData[] = L"mvd文件内部出错,此时请不要按保存按钮";

// ---- Time texts, as the program writes them (local time) -----------------

std::wstring TimeText(const std::tm& t) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min);
  return text;
}

bool IsTimeText(const std::wstring& text) {
  int y, mo, d, h, mi;
  return text.size() == 16 &&
         std::swscanf(text.c_str(), L"%4d-%2d-%2d %2d:%2d", &y, &mo, &d, &h, &mi) == 5;
}

std::tm FieldsOf(const std::wstring& text) {
  std::tm t{};
  std::swscanf(text.c_str(), L"%4d-%2d-%2d %2d:%2d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour,
               &t.tm_min);
  t.tm_year -= 1900;
  t.tm_mon -= 1;
  t.tm_isdst = -1;
  return t;
}

// Seven calendar days later at the same clock time.
std::wstring OneWeekAfter(const std::wstring& text) {
  std::tm t = FieldsOf(text);
  t.tm_mday += 7;
  std::mktime(&t);
  return TimeText(t);
}

SYSTEMTIME SystemTimeOf(const std::wstring& text) {
  const std::tm t = FieldsOf(text);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(t.tm_year + 1900);
  time.wMonth = static_cast<WORD>(t.tm_mon + 1);
  time.wDay = static_cast<WORD>(t.tm_mday);
  time.wHour = static_cast<WORD>(t.tm_hour);
  time.wMinute = static_cast<WORD>(t.tm_min);
  return time;
}

// The time text of a moment some days ago.
std::wstring DaysAgo(int days) {
  const std::time_t then = std::time(nullptr) - days * 86400;
  return TimeText(*std::localtime(&then));
}

// The minute stamp of a backup name, YYYYMMDD-HHMM, now.
std::string BackupStamp() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d", now.wYear, now.wMonth, now.wDay,
                now.wHour, now.wMinute);
  return stamp;
}

// ---- Files ----------------------------------------------------------------

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// ---- What the test expects of a work --------------------------------------

struct Work {
  int id = 0;
  int list = 0;
  int category = 0;
  int weekday = -1;
  std::wstring airTime = L"00:00";
  std::wstring name{};
  int episode = 0;
  int rating = -1;
  std::wstring updateTime{};
  std::wstring notes{};  // with the CR LF of every logged update
  std::wstring nextTime{};
  std::wstring earliestShown{};  // the list's column; the file holds more
  int flags = 0;                 // the data file's "c"
};

const wchar_t* const kWeekdays[] = {L"周日(日)", L"周一(月)", L"周二(火)", L"周三(水)",
                                    L"周四(木)", L"周五(金)", L"周六(土)"};
const wchar_t* const kCategories[] = {L"动画", L"漫画", L"OVA", L"日剧"};
const wchar_t* const kRatings[] = {L"", L"☆", L"☆☆", L"☆☆☆"};

std::wstring OneLine(const std::wstring& notes) {
  std::wstring line;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    if (notes[i] == L'\r' && i + 1 < notes.size() && notes[i + 1] == L'\n') continue;
    line += notes[i] == L'\n' || notes[i] == L'\r' ? L' ' : notes[i];
  }
  return line;
}

// The twelve texts of the work's row.
std::vector<std::wstring> RowTexts(const Work& w) {
  return {std::to_wstring(w.id),
          w.weekday < 0 ? L" " : kWeekdays[w.weekday] + w.airTime,
          w.name,
          std::to_wstring(w.episode),
          kCategories[w.category],
          w.rating < 0 ? L"" : kRatings[w.rating],
          w.updateTime,
          OneLine(w.notes),
          L"",
          w.nextTime,
          L"",
          w.earliestShown};
}

std::string Entry(char tag, const std::string& value) {
  return std::string(1, tag) + "=" + value + ";";
}

std::string Entry(char tag, int value) {
  return Entry(tag, std::to_string(value));
}

// The work's fourteen entries in the data file; "W" as given.
std::string RecordBytes(const Work& w, const std::string& earliest) {
  return Entry('T', w.category + (w.list == kFinishedTab ? 10 : 0)) + Entry('N', w.id) +
         Entry('w', w.weekday) + Entry('t', Gbk(w.airTime)) + Entry('n', Gbk(w.name)) +
         Entry('v', w.episode) + Entry('s', w.rating) + Entry('d', Gbk(w.updateTime)) +
         Entry('m', Gbk(w.notes)) + Entry('p', "") + Entry('D', Gbk(w.nextTime)) + Entry('k', "") +
         Entry('W', earliest) + Entry('c', w.flags);
}

// The value of the file's first entry with the tag (after its first ";").
std::string EntryValue(const std::string& file, char tag) {
  const std::string start = std::string(";") + tag + "=";
  const std::size_t at = file.find(start);
  if (at == std::string::npos) return "<no " + std::string(1, tag) + " entry>";
  const std::size_t from = at + start.size();
  return file.substr(from, file.find(';', from) - from);
}

// ---- The journey ----------------------------------------------------------

class JourneyTest : public ::testing::Test {
 protected:
  std::filesystem::path Folder() const { return folder_.path(); }
  std::filesystem::path DataFile() const { return Folder() / "data.mvd"; }

  // Starts a copy in the folder and waits for its main window; with
  // firstMessage, answers that message box first.
  void Start(const wchar_t* firstMessage = nullptr) {
    program_.reset();
    program_.emplace(ProgramPath(MIREVO_EXE_PATH), Folder());
    ASSERT_TRUE(program_->Started()) << "Mirevo.exe did not start";
    if (firstMessage != nullptr) {
      HWND box = program_->WaitForMessageBox(firstMessage, kStartWaitMs);
      ASSERT_NE(box, nullptr) << "no message box \"" << Gbk(firstMessage) << "\"";
      Press(box, IDOK);
      ASSERT_TRUE(WaitUntilGone(box));
    }
    main_ = program_->WaitForDialog(L"Mirevo", IDC_LIST, kStartWaitMs);
    ASSERT_NE(main_, nullptr) << "the main window did not show up";
    list_.emplace(Control(main_, IDC_LIST));
    tabs_ = Control(main_, IDC_TABS);
    ExpectNothingElseShown();
  }

  // Nothing but the main window is showing: no message, no dialog left.
  void ExpectNothingElseShown() {
    for (const std::wstring& other : program_->OtherDialogs({main_}))
      ADD_FAILURE() << "unexpected window: " << Gbk(other);
  }

  void ShowTab(int tab) {
    PickTab(tabs_, tab);
    ASSERT_EQ(CurrentTab(tabs_), tab);
  }

  void SelectRow(int row) { ASSERT_TRUE(list_->Select(row)) << "row " << row << " not selectable"; }

  void ExpectRow(int row, const Work& work) {
    EXPECT_EQ(list_->Row(row, kColumnCount), RowTexts(work)) << "row " << row << ", " << work.id;
  }

  // "添加" on the work's tab: the record dialog, filled in and confirmed.
  // Fills in what the program decides: the id, the update and next times.
  void Add(Work& work) {
    ASSERT_NO_FATAL_FAILURE(ShowTab(work.list));
    Press(main_, IDC_ADD);
    HWND dialog = program_->WaitForDialog(L"添加", IDC_NAME);
    ASSERT_NE(dialog, nullptr) << "the record dialog did not show up";
    TypeText(dialog, IDC_NAME, work.name);
    TypeText(dialog, IDC_EPISODE, std::to_wstring(work.episode));
    if (work.weekday >= 0) PickComboItem(dialog, IDC_WEEKDAY, work.weekday);
    if (work.rating >= 0) PickComboItem(dialog, IDC_RATING, work.rating);
    SYSTEMTIME air{};
    air.wYear = 2005;
    air.wMonth = 2;
    air.wDay = 14;
    std::swscanf(work.airTime.c_str(), L"%2hu:%2hu", &air.wHour, &air.wMinute);
    EXPECT_TRUE(SetPickerTime(dialog, IDC_AIR_TIME, air));
    if (work.updateTime.empty()) {
      // A new work is stamped with the minute the dialog opened.
      work.updateTime = TextOf(Control(dialog, IDC_UPDATE_TIME));
      EXPECT_TRUE(IsTimeText(work.updateTime)) << Gbk(work.updateTime);
    } else {
      ASSERT_NO_FATAL_FAILURE(SetUpdateTime(dialog, work.updateTime));
    }
    work.nextTime = OneWeekAfter(work.updateTime);
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitUntilGone(dialog)) << "the record dialog stayed open";

    // The new work is the first row of its tab, selected.
    work.id = _wtoi(list_->Cell(0, kIdColumn).c_str());
    EXPECT_EQ(CurrentTab(tabs_), work.list);
    ExpectRow(0, work);
    EXPECT_EQ(list_->SelectedRow(), 0);
    ExpectNothingElseShown();
  }

  // "date1" in the record dialog: an earlier update time, picked in the
  // time dialog.
  void SetUpdateTime(HWND dialog, const std::wstring& updateTime) {
    ASSERT_EQ(TextOf(Control(dialog, IDC_SET_UPDATE_TIME)), L"date1");
    Press(dialog, IDC_SET_UPDATE_TIME);
    HWND time = program_->WaitForDialog(L"时间设置", IDC_DATE_PICKER);
    ASSERT_NE(time, nullptr) << "the time dialog did not show up";
    EXPECT_EQ(TextOf(Control(time, IDC_TIME_LABEL)), L"更新时间:");
    EXPECT_FALSE(::IsWindowEnabled(Control(time, IDC_CLEAR_TIME))) << "清零 for an update time";
    const SYSTEMTIME picked = SystemTimeOf(updateTime);
    EXPECT_TRUE(SetPickerTime(time, IDC_DATE_PICKER, picked));
    EXPECT_TRUE(SetPickerTime(time, IDC_TIME_PICKER, picked));
    Press(time, IDOK);
    ASSERT_TRUE(WaitUntilGone(time)) << "the time dialog refused: " << Gbk(TextsInside(time));
    EXPECT_EQ(TextOf(Control(dialog, IDC_UPDATE_TIME)), updateTime);
  }

  // "更新" on the selected first row: one more episode, stamped now.
  void Update(Work& work) {
    const std::wstring episode = std::to_wstring(work.episode + 1);
    Press(main_, IDC_UPDATE);
    ASSERT_TRUE(WaitFor([&] { return list_->Cell(0, kEpisodeColumn) == episode; }))
        << "the list still shows episode " << Gbk(list_->Cell(0, kEpisodeColumn));
    ++work.episode;
    work.updateTime = list_->Cell(0, kUpdateTimeColumn);
    ASSERT_TRUE(IsTimeText(work.updateTime)) << Gbk(work.updateTime);
    work.notes += L"\r\n||第" + episode + L"集 于 " + work.updateTime + L" 更新";
    work.nextTime = OneWeekAfter(work.updateTime);
    work.earliestShown = list_->Cell(0, kEarliestColumn);
    ExpectRow(0, work);
    EXPECT_EQ(list_->SelectedRow(), 0) << "the selection moved";
  }

  // Enter on the list edits the selected work ("编辑"); "date2" there opens
  // the time dialog, in which the next time is picked.
  void EditNextTime(Work& work, const std::wstring& next) {
    PressKey(Control(main_, IDC_LIST), VK_RETURN);
    HWND dialog = program_->WaitForDialog(L"编辑", IDC_NAME);
    ASSERT_NE(dialog, nullptr) << "the record dialog \"编辑\" did not show up";
    EXPECT_EQ(TextOf(Control(dialog, IDC_NAME)), work.name);
    EXPECT_EQ(TextOf(Control(dialog, IDC_EPISODE)), std::to_wstring(work.episode));
    EXPECT_EQ(TextOf(Control(dialog, IDC_UPDATE_TIME)), work.updateTime);
    EXPECT_EQ(TextOf(Control(dialog, IDC_NEXT_TIME)), work.nextTime);

    ASSERT_EQ(TextOf(Control(dialog, IDC_SET_NEXT_TIME)), L"date2");
    Press(dialog, IDC_SET_NEXT_TIME);
    HWND time = program_->WaitForDialog(L"时间设置", IDC_DATE_PICKER);
    ASSERT_NE(time, nullptr) << "the time dialog did not show up";
    EXPECT_EQ(TextOf(Control(time, IDC_TIME_LABEL)), L"次回时间:");
    const SYSTEMTIME picked = SystemTimeOf(next);
    EXPECT_TRUE(SetPickerTime(time, IDC_DATE_PICKER, picked));
    EXPECT_TRUE(SetPickerTime(time, IDC_TIME_PICKER, picked));
    Press(time, IDOK);
    ASSERT_TRUE(WaitUntilGone(time)) << "the time dialog refused: " << Gbk(TextsInside(time));

    work.nextTime = next;
    EXPECT_EQ(TextOf(Control(dialog, IDC_NEXT_TIME)), work.nextTime);
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitUntilGone(dialog)) << "the record dialog stayed open";
    // Set by hand: the data file marks it so.
    work.flags = 1;
    ASSERT_TRUE(WaitFor([&] { return list_->Cell(0, kNextTimeColumn) == work.nextTime; }));
    ExpectRow(0, work);
    ExpectNothingElseShown();
  }

  // "完结" on the selected first row of a running tab.
  void Finish(Work& work) {
    Press(main_, IDC_FINISH);
    ASSERT_TRUE(WaitFor([&] { return CurrentTab(tabs_) == kFinishedTab; }))
        << "the finished tab was not shown";
    work.list = kFinishedTab;
    work.nextTime.clear();  // a finished work expects no episode
    ExpectRow(0, work);
    EXPECT_EQ(list_->SelectedRow(), 0);
  }

  // "搜索" on the selected row. With the recording browser of the test
  // command in place, the address it got is checked; otherwise only that
  // the program stayed quiet.
  void Search(const std::string& expectedUtf8Address) {
    const char* log = std::getenv("MIREVO_JOURNEY_BROWSER_LOG");
    const std::wstring logPath = log != nullptr ? WindowsPath(log) : L"";
    if (!logPath.empty()) std::filesystem::remove(logPath);
    Press(main_, IDC_SEARCH);
    if (!logPath.empty()) {
      ASSERT_TRUE(WaitFor([&] { return !ReadFile(logPath).empty(); }, kStartWaitMs))
          << "the browser was not asked to open anything";
      EXPECT_EQ(ReadFile(logPath), expectedUtf8Address + "\n");
    }
    // An error would show within this time.
    const bool somethingShown =
        WaitFor([&] { return !program_->OtherDialogs({main_}).empty(); }, 1500);
    EXPECT_FALSE(somethingShown);
    ExpectNothingElseShown();
  }

  void MinimiseToTray() {
    ::PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(main_); })) << "the window stayed visible";
    EXPECT_FALSE(::IsIconic(main_)) << "minimised instead of hidden";
  }

  void ExpectShownAgain() {
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(main_) != FALSE; }))
        << "the window did not come back";
    EXPECT_FALSE(::IsIconic(main_));
    ExpectNothingElseShown();
  }

  // "设置": tick "最上层显示", "确定"; the window stays on top from now on.
  void TurnOnTopmost() {
    EXPECT_FALSE(IsTopmost());
    Press(main_, IDC_SETTINGS);
    HWND settings = program_->WaitForDialog(L"设置", IDC_TOPMOST);
    ASSERT_NE(settings, nullptr) << "the settings dialog did not show up";
    ASSERT_EQ(TextOf(Control(settings, IDC_TOPMOST)), L"最上层显示");
    EXPECT_FALSE(IsChecked(settings, IDC_TOPMOST));
    Click(settings, IDC_TOPMOST);
    ASSERT_TRUE(IsChecked(settings, IDC_TOPMOST));
    Press(settings, IDOK);
    ASSERT_TRUE(WaitUntilGone(settings)) << "the settings dialog stayed open";
    EXPECT_TRUE(WaitFor([&] { return IsTopmost(); })) << "the window is not on top";
  }

  bool IsTopmost() const { return (::GetWindowLongPtrW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

  void SaveAndExit() {
    Press(main_, IDC_SAVE_EXIT);
    const std::optional<DWORD> code = program_->WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end";
    EXPECT_EQ(*code, 0u);
  }

  // The backups in the folder: data.mvd.YYYYMMDD-HHMM.bak and the like.
  std::vector<std::string> Backups() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
      const std::string name = entry.path().filename().string();
      if (name.ends_with(".bak")) names.push_back(name);
    }
    return names;
  }

  mirevo::testing::TempFolder folder_;
  std::optional<Program> program_;
  HWND main_ = nullptr;
  HWND tabs_ = nullptr;
  std::optional<ListView> list_;
};

TEST_F(JourneyTest, WorksAddedUpdatedAndFinishedComeBackAfterARestart) {
  // First start, in an empty folder: no message, an empty list.
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(CurrentTab(tabs_), kAnimeTab);
  EXPECT_EQ(list_->RowCount(), 0);

  // A work on each of two tabs: an anime on Mondays at 23:30 with two
  // stars, last seen two days ago; a manga with neither, seen now.
  Work anime{.list = kAnimeTab,
             .category = 0,
             .weekday = 1,
             .airTime = L"23:30",
             .name = L"示例动画",
             .episode = 3,
             .rating = 2,
             .updateTime = DaysAgo(2)};
  Work manga{.list = kMangaTab, .category = 1, .name = L"示例漫画", .episode = 10};
  ASSERT_NO_FATAL_FAILURE(Add(anime));
  ASSERT_NO_FATAL_FAILURE(Add(manga));
  EXPECT_EQ(anime.id, 1);
  EXPECT_EQ(manga.id, 2);

  // Three new episodes of the anime.
  ASSERT_NO_FATAL_FAILURE(ShowTab(kAnimeTab));
  ASSERT_EQ(list_->RowCount(), 1);
  ASSERT_NO_FATAL_FAILURE(SelectRow(0));
  std::tm seenBefore = FieldsOf(anime.updateTime);
  const std::time_t lastSeen = std::mktime(&seenBefore);
  for (int i = 0; i < 3; ++i) ASSERT_NO_FATAL_FAILURE(Update(anime));
  const std::time_t updated = std::time(nullptr);
  EXPECT_EQ(anime.episode, 6);

  // Its next time set by hand, next year on 4 March at 05:06.
  SYSTEMTIME today{};
  ::GetLocalTime(&today);
  ASSERT_NO_FATAL_FAILURE(EditNextTime(anime, std::to_wstring(today.wYear + 1) + L"-03-04 05:06"));

  // The manga is finished.
  ASSERT_NO_FATAL_FAILURE(ShowTab(kMangaTab));
  ASSERT_NO_FATAL_FAILURE(SelectRow(0));
  ASSERT_NO_FATAL_FAILURE(Finish(manga));
  ASSERT_NO_FATAL_FAILURE(ShowTab(kMangaTab));
  EXPECT_EQ(list_->RowCount(), 0);

  // A search for the anime: its name goes into the default source's address.
  ASSERT_NO_FATAL_FAILURE(ShowTab(kAnimeTab));
  ASSERT_NO_FATAL_FAILURE(SelectRow(0));
  ASSERT_NO_FATAL_FAILURE(
      Search(reinterpret_cast<const char*>(u8"http://bt.greedland.net/i.g?k=示例动画&c=gs_all")));

  // To the tray and back, by a double click on the icon and by its menu.
  ASSERT_NO_FATAL_FAILURE(MinimiseToTray());
  ::PostMessageW(main_, kTrayCallback, kTrayIconId, WM_LBUTTONDBLCLK);
  ASSERT_NO_FATAL_FAILURE(ExpectShownAgain());
  ASSERT_NO_FATAL_FAILURE(MinimiseToTray());
  ::PostMessageW(main_, WM_COMMAND, ID_TRAY_OPEN, 0);
  ASSERT_NO_FATAL_FAILURE(ExpectShownAgain());

  ASSERT_NO_FATAL_FAILURE(TurnOnTopmost());
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());

  // The data file: the anime on its list, then the finished manga.
  const std::string saved = ReadFile(DataFile());
  // The quickest update ("最早更新"): its weekday and time as the list
  // showed them, then the seconds since the update before it, which only
  // this run knows: the first update came two days after the one before it;
  // the next two came within seconds, which count only past a minute.
  const std::string earliest = EntryValue(saved, 'W');
  const std::string shown = Gbk(anime.earliestShown) + " ";
  ASSERT_FALSE(anime.earliestShown.empty());
  ASSERT_TRUE(earliest.starts_with(shown)) << earliest;
  const int gap = std::atoi(earliest.c_str() + shown.size());
  EXPECT_EQ(earliest.substr(shown.size()), std::to_string(gap));
  EXPECT_GT(gap, 60);
  EXPECT_LE(gap, updated - lastSeen);
  EXPECT_EQ(saved, RecordBytes(anime, earliest) + RecordBytes(manga, ""));
  const std::string settings = ReadFile(Folder() / "mv.ini");
  EXPECT_NE(settings.find(";topshow=1;"), std::string::npos) << settings;
  EXPECT_NE(settings.find(";default_type=0;"), std::string::npos) << settings;

  // Second start: everything is where it was, on top again.
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_TRUE(IsTopmost());
  EXPECT_EQ(CurrentTab(tabs_), kAnimeTab);
  ASSERT_EQ(list_->RowCount(), 1);
  ExpectRow(0, anime);
  ASSERT_NO_FATAL_FAILURE(ShowTab(kMangaTab));
  EXPECT_EQ(list_->RowCount(), 0);
  ASSERT_NO_FATAL_FAILURE(ShowTab(kFinishedTab));
  ASSERT_EQ(list_->RowCount(), 1);
  ExpectRow(0, manga);
  ASSERT_NO_FATAL_FAILURE(ShowTab(kAnimeTab));
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  // Read and written again, the file has not changed by a byte.
  EXPECT_EQ(ReadFile(DataFile()), saved);
  EXPECT_TRUE(Backups().empty());

  // Third start, with the file cut inside the manga's name (between the two
  // bytes of a character): the warning, the anime still there, and the cut
  // file kept aside before the save replaces it.
  const std::string cutAt = "n=" + Gbk(L"示");
  const std::string damaged = saved.substr(0, saved.rfind(cutAt) + cutAt.size() + 1);
  WriteFile(DataFile(), damaged);
  const std::string before = BackupStamp();
  ASSERT_NO_FATAL_FAILURE(Start(kDamagedData));
  ASSERT_EQ(list_->RowCount(), 1);
  ExpectRow(0, anime);
  ASSERT_NO_FATAL_FAILURE(SaveAndExit());
  const std::string after = BackupStamp();

  const std::vector<std::string> backups = Backups();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(backups[0] == "data.mvd." + before + ".bak" ||
              backups[0] == "data.mvd." + after + ".bak")
      << backups[0];
  EXPECT_EQ(ReadFile(Folder() / backups[0]), damaged);
  // What was read is what was saved: the anime whole, the manga as far as
  // its name.
  const std::string resaved = ReadFile(DataFile());
  EXPECT_TRUE(resaved.starts_with(RecordBytes(anime, earliest) + "T=11;N=2;w=-1;t=00:00;n=;"))
      << resaved;
}

}  // namespace
}  // namespace mirevo::journey
