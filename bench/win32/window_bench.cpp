// How Mirevo.exe itself feels with a very large list: the real program under
// wine, driven through its windows like the journey test, timed from this
// process. Run by hand (bash tools/window_bench.sh), not by the test command.
//
//   window_bench [WORKS] [RUNS]      (defaults: 100000 works, 3 runs)
//
// Measured, each as the median of the runs:
// - start-up: from starting the process to its main window shown and
//   painted, with an empty folder and with WORKS works on "动画";
// - at WORKS works in the real list view: a switch to an empty tab and back,
//   and a click on the header "名称" (sort), each until painted; "更新" of
//   the first row; the longest the window then keeps the user waiting while
//   the recovery file's snapshot is taken, and at a reminder moment;
// - "保存并退出": from the click to the end of the process.
// The report gives each time against the empty start-up and per 1,000 works,
// which says more than milliseconds that depend on the machine.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench_data.h"
#include "journey_driver.h"
#include "resource.h"
#include "support/temp_folder.h"

namespace mirevo::journey {
namespace {

constexpr int kAnimeTab = 0;
constexpr int kMangaTab = 1;
constexpr int kNameColumn = 2;
// Showing a tab or sorting may take this long with a very large list.
constexpr DWORD kSlowWaitMs = 60000;

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f{};
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now{};
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "window_bench: %s\n", what);
  std::exit(1);
}

struct Window {
  HWND main = nullptr;
  HWND tabs = nullptr;
  HWND list = nullptr;
};

int RowCount(HWND list) {
  return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
}

// Picks a tab as a click would (the strip tells its parent); returns when
// the program has shown it.
void PickTab(HWND tabs, int tab) {
  Send(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0, kSlowWaitMs);
}

// Makes the window paint what is pending now; returns when it is drawn.
bool PaintNow(HWND window) {
  // The paint messages go to the window's own thread and are handled there
  // before this returns; the empty message behind them proves it.
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  DWORD_PTR ignored = 0;
  return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSlowWaitMs, &ignored) != 0;
}

// Clicks the header of a column of the list, as the mouse does; returns once
// the program has handled the click.
bool ClickHeader(HWND list, int column) {
  HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
  RECT rect{};
  if (header == nullptr ||
      SendRemote(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), &rect, sizeof rect) == 0) {
    return false;
  }
  const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  // Sent, not posted: the release returns only when the list and its parent
  // have handled the click (the sort included).
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(header, WM_LBUTTONDOWN, MK_LBUTTON, middle, SMTO_ABORTIFHUNG, kSlowWaitMs,
                        &ignored);
  return ::SendMessageTimeoutW(header, WM_LBUTTONUP, 0, middle, SMTO_ABORTIFHUNG, kSlowWaitMs,
                               &ignored) != 0;
}

// Starts the program and returns once its main window is shown and painted.
Window StartAndPaint(Program& program, double& ms, int expectedRows) {
  const double start = NowMs();
  Window window;
  // Cheap while the program loads: only visible windows are asked for their
  // titles.
  window.main = program.WaitForWindow(
      [](HWND w) { return TextOf(w) == L"Mirevo" && Control(w, IDC_LIST) != nullptr; }, kSlowWaitMs,
      1);
  if (window.main == nullptr) Fail("the main window did not show up");
  if (!PaintNow(window.main)) Fail("the main window did not paint");
  ms = NowMs() - start;
  window.tabs = Control(window.main, IDC_TABS);
  window.list = Control(window.main, IDC_LIST);
  if (RowCount(window.list) != expectedRows) Fail("the list does not show every work");
  return window;
}

double Timed(const std::function<void()>& action) {
  const double start = NowMs();
  action();
  return NowMs() - start;
}

// The longest the window took to answer, asked every few milliseconds for a
// while: how long a timer's work (the recovery file's snapshot, a reminder
// moment) held it up.
double LongestFreeze(HWND window, DWORD forMs) {
  double longest = 0;
  const double end = NowMs() + forMs;
  while (NowMs() < end) {
    longest = std::max(longest, Timed([&] { PaintNow(window); }));
    ::Sleep(5);
  }
  return longest;
}

double SaveAndExit(Program& program, const Window& window) {
  const double start = NowMs();
  Press(window.main, IDC_SAVE_EXIT);
  if (program.WaitForExit(kSlowWaitMs) == STILL_ACTIVE) Fail("the program did not end");
  return NowMs() - start;
}

struct Samples {
  std::vector<double> emptyStart, emptyExit, fullStart, switchAway, switchBack, sort, update,
      snapshot, moment, fullExit;
};

void RunOnce(const std::filesystem::path& exe, const std::string& data, int works,
             Samples& samples) {
  {
    mirevo::testing::TempFolder folder;
    Program program(exe, folder.path());
    double ms = 0;
    const Window window = StartAndPaint(program, ms, 0);
    samples.emptyStart.push_back(ms);
    samples.emptyExit.push_back(SaveAndExit(program, window));
  }
  mirevo::testing::TempFolder folder;
  mirevo::testing::WriteBytes(folder.File("data.mvd"), data);
  Program program(exe, folder.path());
  double ms = 0;
  const Window window = StartAndPaint(program, ms, works);
  samples.fullStart.push_back(ms);
  const HWND list = window.list;

  samples.switchAway.push_back(Timed([&] {
    PickTab(window.tabs, kMangaTab);
    PaintNow(window.main);
  }));
  if (RowCount(list) != 0) Fail("the empty tab shows rows");
  samples.switchBack.push_back(Timed([&] {
    PickTab(window.tabs, kAnimeTab);
    PaintNow(window.main);
  }));
  if (RowCount(list) != works) Fail("the tab came back without every work");

  samples.sort.push_back(Timed([&] {
    if (!ClickHeader(list, kNameColumn)) Fail("the header did not take the click");
    PaintNow(window.main);
  }));
  // The first click sorts ascending, in the byte order of the names.
  for (int row = 0; row + 1 < std::min(works, 50); ++row) {
    if (Gbk(Cell(list, row, kNameColumn)) > Gbk(Cell(list, row + 1, kNameColumn)))
      Fail("the header click did not sort");
  }

  // "更新" on the first row, then the snapshot the recovery file's timer
  // takes within a second, then a reminder moment (the clock set).
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendRemote(list, LVM_SETITEMSTATE, 0, &item, sizeof item);
  samples.update.push_back(Timed([&] {
    Press(window.main, IDC_UPDATE);
    PaintNow(window.main);
  }));
  samples.snapshot.push_back(LongestFreeze(window.main, 1500));
  ::PostMessageW(window.main, WM_TIMECHANGE, 0, 0);
  samples.moment.push_back(LongestFreeze(window.main, 300));

  samples.fullExit.push_back(SaveAndExit(program, window));
}

void Report(int works, int runs, const Samples& s) {
  const double base = Median(s.emptyStart);
  const double thousands = works / 1000.0;
  std::printf("Mirevo.exe under wine, %d works on one tab, median of %d runs\n\n", works, runs);
  std::printf("%-40s %10s %16s %18s\n", "", "ms", "x empty start-up", "ms per 1,000 works");
  auto line = [&](const char* what, double ms, double perThousand) {
    std::printf("%-40s %10.1f %16.2f", what, ms, ms / base);
    if (perThousand >= 0)
      std::printf(" %18.2f\n", perThousand);
    else
      std::printf(" %18s\n", "");
  };
  const double emptyExit = Median(s.emptyExit);
  const double fullStart = Median(s.fullStart);
  const double fullExit = Median(s.fullExit);
  line("start-up to painted window, empty store", base, -1);
  line("start-up to painted window, full store", fullStart, (fullStart - base) / thousands);
  line("tab switch to an empty tab", Median(s.switchAway), -1);
  line("tab switch back to the full tab", Median(s.switchBack), Median(s.switchBack) / thousands);
  line("header click: sort by name", Median(s.sort), Median(s.sort) / thousands);
  line("update of one work (the button)", Median(s.update), Median(s.update) / thousands);
  line("longest freeze: recovery snapshot", Median(s.snapshot), Median(s.snapshot) / thousands);
  line("longest freeze: reminder moment", Median(s.moment), Median(s.moment) / thousands);
  line("save and exit, empty store", emptyExit, -1);
  line("save and exit, full store", fullExit, (fullExit - emptyExit) / thousands);
  std::printf("\n(per 1,000 works: start-up and exit above the empty store's)\n");
}

}  // namespace
}  // namespace mirevo::journey

int main(int argc, char** argv) {
  using namespace mirevo::journey;
  const int works = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  if (works < 2 || runs < 1) Fail("usage: window_bench [WORKS >= 2] [RUNS >= 1]");
  const std::filesystem::path exe = WindowsPath(MIREVO_EXE_PATH);
  const std::string data = MakeDataFile(works);

  // The first start of a wine process costs more than the others.
  {
    mirevo::testing::TempFolder warmUp;
    Program program(exe, warmUp.path());
    double ms = 0;
    SaveAndExit(program, StartAndPaint(program, ms, 0));
  }
  Samples samples;
  for (int run = 0; run < runs; ++run) RunOnce(exe, data, works, samples);
  Report(works, runs, samples);
  return 0;
}
