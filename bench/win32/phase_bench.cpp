// Where the window's time goes, phase by phase, with the Windows runtime:
// the same library code Mirevo.exe runs, timed in-process under wine on the
// window benchmark's data (load, due rules, row texts, sort, format, write,
// flush, replace, and the store's end). What the window benchmark measures
// beyond these sums is the list view's and the window's own. Run by hand:
//
//   bash tools/window_bench.sh --phases [WORKS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "app/list_row.h"
#include "app/main_list.h"
#include "bench_data.h"
#include "null_list_screen.h"
#include "reminders/due_rules.h"
#include "reminders/time_text.h"
#include "store/data_file.h"
#include "store/file_io.h"
#include "store/list_columns.h"
#include "store/store_file.h"
#include "support/temp_folder.h"

namespace mirevo {
namespace {

double NowMs() {
  LARGE_INTEGER f{}, now{};
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void Line(const char* what, double ms) {
  std::printf("%-44s %9.1f ms\n", what, ms);
}

template <typename Action>
double Timed(Action action) {
  const double start = NowMs();
  action();
  return NowMs() - start;
}

// The platform's files, with the time of each step a save takes.
class TimedFiles final : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    return real.OpenForReading(path, missing);
  }
  std::FILE* CreateExclusively(const std::string& path) override {
    std::FILE* file = nullptr;
    create += Timed([&] { file = real.CreateExclusively(path); });
    return file;
  }
  bool FlushToDisk(std::FILE* file) override {
    bool done = false;
    flush += Timed([&] { done = real.FlushToDisk(file); });
    return done;
  }
  bool ReplaceWith(const std::string& from, const std::string& to) override {
    bool done = false;
    replace += Timed([&] { done = real.ReplaceWith(from, to); });
    return done;
  }
  bool Remove(const std::string& path) override { return real.Remove(path); }
  bool Exists(const std::string& path) override { return real.Exists(path); }

  FileSystem& real = NativeFileSystem();
  double create = 0, flush = 0, replace = 0;
};

void Run(int works) {
  testing::TempFolder folder;
  const std::string path = folder.File("data.mvd");
  testing::WriteBytes(path, journey::MakeDataFile(works));
  std::printf("%d works, %s\n\n", works, "one tab");

  FileContents read;
  Line("read the file", Timed([&] { read = ReadWholeFile(path); }));
  auto store = std::make_unique<RecordStore>();
  Line("parse", Timed([&] { ParseData(std::move(read.bytes), *store); }));

  SystemClock clock;
  AppSettings settings;
  RecordList& anime = store->lists[kAnime];
  const DueThreshold due = ComputeDueThreshold(clock, false);
  std::string now;
  Line("one CurrentTimeText", Timed([&] { now = CurrentTimeText(clock); }));
  Line("due rules, every row", Timed([&] {
         for (SeriesRecord& record : anime)
           ApplyDueRules(record, kAnime, due, settings.reminders, now);
       }));
  RowTexts texts;
  Line("row texts, every row", Timed([&] {
         for (const SeriesRecord& record : anime) SetRecordTexts(record, texts);
       }));
  NullListScreen screen;
  MainList list(*store, settings, screen, clock);
  Line("ShowTab (rules, texts, rows)", Timed([&] { list.ShowTab(kAnime); }));
  Line("ShowTab again", Timed([&] { list.ShowTab(kAnime); }));
  Line("sort by name", Timed([&] { anime.SortRecords(kListColumns[kColumnName].sortKey, false); }));
  Line("RecolourRows", Timed([&] { list.RecolourRows(); }));

  Line("format, the recovery snapshot's", Timed([&] { FormatData(*store); }));
  TimedFiles files;
  StoreFile file(path, clock, files);
  const double save = Timed([&] { SaveData(file, *store); });
  Line("save: create", files.create);
  Line("save: format and write, in pieces", save - files.create - files.flush - files.replace);
  Line("save: flush", files.flush);
  Line("save: replace", files.replace);
  Line("the store's end", Timed([&] { store.reset(); }));
}

}  // namespace
}  // namespace mirevo

int main(int argc, char** argv) {
  const int works = argc > 1 ? std::atoi(argv[1]) : 100000;
  if (works < 1) return 1;
  mirevo::Run(works);
  return 0;
}
