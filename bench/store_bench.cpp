// Load, save and sort of generated stores of 10,000 and 100,000 works, each
// beside its baseline:
//   load  vs reading the same file plus one memchr pass over it;
//   save  vs writing the same bytes, flushing them and replacing the old
//         file (what every save must do), and the bytes alone;
//   sort  vs the literal selection sort the list header used to run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "store/clock.h"
#include "store/data_file.h"
#include "store/file_io.h"
#include "store/list_columns.h"
#include "store/store_file.h"
#include "support/random_store.h"
#include "support/temp_folder.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

// The program's works always come from loading the data file, so the store
// is generated, written and read back: its records lie in memory the way
// loading lays them out.
RecordStore LoadedCopy(const RecordStore& generated) {
  RecordStore loaded;
  ParseData(FormatData(generated), loaded);
  return loaded;
}

const RecordStore& StoreOf(int works) {
  static std::map<int, RecordStore> stores;
  auto it = stores.find(works);
  if (it == stores.end())
    it = stores.emplace(works, LoadedCopy(testing::StoreGenerator(42).Make(works, false))).first;
  return it->second;
}

// One list of the given size (the sorts work on one tab's list).
const RecordList& ListOf(int works) {
  static std::map<int, RecordList> lists;
  auto it = lists.find(works);
  if (it == lists.end()) {
    RecordStore generated = testing::StoreGenerator(7).Make(works, false);
    RecordStore single;
    for (RecordList& list : generated.lists)
      for (SeriesRecord& r : list) {
        r.category = kAnime;
        single.lists[0].AppendNewRecord() = r;
      }
    it = lists.emplace(works, std::move(LoadedCopy(single).lists[0])).first;
  }
  return it->second;
}

testing::TempFolder& Folder() {
  static testing::TempFolder folder;
  return folder;
}

std::string WrittenFile(int works) {
  std::string path = Folder().File("load-" + std::to_string(works) + ".mvd");
  if (!FileExists(path)) testing::WriteBytes(path, FormatData(StoreOf(works)));
  return path;
}

void BM_Load(benchmark::State& state) {
  const std::string path = WrittenFile(static_cast<int>(state.range(0)));
  SystemClock clock;
  for (auto _ : state) {
    StoreFile file(path, clock);
    auto store = std::make_unique<RecordStore>();
    benchmark::DoNotOptimize(LoadFile(file, *store));
    state.PauseTiming();  // freeing the works is not part of loading them
    store.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(
      state.iterations() *
      static_cast<int64_t>(FormatData(StoreOf(static_cast<int>(state.range(0)))).size()));
}

void BM_LoadBaseline(benchmark::State& state) {
  const std::string path = WrittenFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    FileContents contents = ReadWholeFile(path);
    const void* hit = std::memchr(contents.bytes.data(), '\0', contents.bytes.size());
    benchmark::DoNotOptimize(hit);
  }
}

void BM_Save(benchmark::State& state) {
  const RecordStore& store = StoreOf(static_cast<int>(state.range(0)));
  SystemClock clock;
  StoreFile file(Folder().File("save.mvd"), clock);
  for (auto _ : state) benchmark::DoNotOptimize(SaveData(file, store));
}

// The bytes of the file alone, without the disk.
void BM_Format(benchmark::State& state) {
  const RecordStore& store = StoreOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(FormatData(store));
}

// The disk's share of a save: the same bytes written, flushed to the disk and
// put in place of the old file, as every save does.
void BM_SaveBaseline(benchmark::State& state) {
  const std::string bytes = FormatData(StoreOf(static_cast<int>(state.range(0))));
  const std::string path = Folder().File("replace.mvd");
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceFileAtomically(path, bytes));
}

// Each iteration sorts a fresh copy; the copy is outside the timing.
void BM_Sort(benchmark::State& state) {
  const SortKey key = kListColumns[state.range(1)].sortKey;
  for (auto _ : state) {
    state.PauseTiming();
    auto list = std::make_unique<RecordList>(ListOf(static_cast<int>(state.range(0))));
    state.ResumeTiming();
    list->SortRecords(key, false);
    benchmark::DoNotOptimize(list->Head().id);
    state.PauseTiming();  // freeing the copy is not part of sorting
    list.reset();
    state.ResumeTiming();
  }
}

void SelectionPass(std::vector<const SeriesRecord*>& chain, SortKey key, bool text) {
  std::deque<const SeriesRecord*> result;
  while (chain.size() > 1) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < chain.size(); ++i) {
      int c = text ? CompareText(*SortText(*chain[i], key), *SortText(*chain[best], key))
                   : *SortNumber(*chain[i], key) - *SortNumber(*chain[best], key);
      if (c >= 0) best = i;
    }
    result.push_front(chain[best]);
    chain.erase(chain.begin() + static_cast<std::ptrdiff_t>(best));
  }
  chain.insert(chain.end(), result.begin(), result.end());
}

void BM_SortBaseline(benchmark::State& state) {
  const SortKey key = kListColumns[state.range(1)].sortKey;
  const RecordList& list = ListOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<const SeriesRecord*> chain;
    for (const SeriesRecord& r : list) chain.push_back(&r);
    if (SortText(list.Head(), key)) SelectionPass(chain, key, true);
    if (SortNumber(list.Head(), key)) SelectionPass(chain, key, false);
    benchmark::DoNotOptimize(chain.front());
  }
}

constexpr int kSortSmall = 10000;
constexpr int kSortLarge = 100000;

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Format)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)
    ->Args({kSortSmall, 2})
    ->Args({kSortSmall, 1})
    ->Args({kSortLarge, 2})
    ->Args({kSortLarge, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBaseline)
    ->Args({kSortSmall, 2})
    ->Args({kSortSmall, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirevo

BENCHMARK_MAIN();
