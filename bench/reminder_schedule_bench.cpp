// The reminders' round at 100,000 works: the next moment to wait for, and
// whether the summary would list a work not shown yet. Both run on the
// window's thread at every moment and after every change, so they must stay
// far below what a user notices as a freeze.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "reminders/due_rules.h"
#include "reminders/reminder_schedule.h"
#include "support/random_store.h"
#include "support/time_zone.h"

namespace mirevo {
namespace {

constexpr int kWorks = 100000;
constexpr int kAllSections = 11111;
// 2015-06-15 12:00 in China: the generated next times (2000 to 2030) lie on
// both sides, so about half the works are due.
constexpr std::time_t kNow = 1434340800;

struct Works {
  testing::ScopedTimeZone zone{testing::kChinaZone};
  RecordStore store = testing::StoreGenerator(42).Make(kWorks, false);
  std::string threshold = ComputeDueThreshold(FixedClock(kNow), false).threshold;
};

void BM_NextDueMoment(benchmark::State& state) {
  Works works;
  for (auto _ : state) benchmark::DoNotOptimize(NextDueMoment(works.store, kNow, false));
  state.SetItemsProcessed(state.iterations() * kWorks);
}
BENCHMARK(BM_NextDueMoment)->Unit(benchmark::kMillisecond);

// The usual answer, nothing new: every due work is looked up.
void BM_HasNewlyDue(benchmark::State& state) {
  Works works;
  SeenDueWorks seen;
  seen.MarkSeen(works.store, kAllSections, works.threshold);
  for (auto _ : state)
    benchmark::DoNotOptimize(seen.HasNewlyDue(works.store, kAllSections, works.threshold));
  state.SetItemsProcessed(state.iterations() * kWorks);
}
BENCHMARK(BM_HasNewlyDue)->Unit(benchmark::kMillisecond);

// Each time the summary is shown.
void BM_MarkSeen(benchmark::State& state) {
  Works works;
  SeenDueWorks seen;
  for (auto _ : state) seen.MarkSeen(works.store, kAllSections, works.threshold);
  state.SetItemsProcessed(state.iterations() * kWorks);
}
BENCHMARK(BM_MarkSeen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirevo

BENCHMARK_MAIN();
