// ShowTab on one tab of 100,000 works: the due rules and all twelve row
// texts of every row.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <random>
#include <string>

#include "app/main_list.h"
#include "null_list_screen.h"
#include "support/time_zone.h"

namespace mirevo {
namespace {

// The list of one tab with its store and settings.
struct Tab {
  RecordStore store;
  AppSettings settings;
  NullListScreen screen;
  FixedClock clock{1138710600};  // 2006-01-31 20:30 in China
  MainList list{store, settings, screen, clock};
};

constexpr int kWorks = 100000;

std::string RandomTime(std::mt19937& rng) {
  char text[32];
  std::snprintf(text, sizeof text, "2006-%02d-%02d %02d:%02d",
                std::uniform_int_distribution<int>(1, 2)(rng),
                std::uniform_int_distribution<int>(1, 28)(rng),
                std::uniform_int_distribution<int>(0, 23)(rng),
                std::uniform_int_distribution<int>(0, 59)(rng));
  return text;
}

// Works of about 150 bytes each, a third without a next time yet, so the
// rules have every case to decide.
void FillAnimeTab(Tab& tab) {
  std::mt19937 rng(42);
  RecordList& list = tab.store.lists[kAnime];
  for (int i = 0; i < kWorks; ++i) {
    SeriesRecord& r = list.AppendNewRecord();
    r.id = tab.store.TakeNewId();
    r.weekday = std::uniform_int_distribution<int>(-1, 6)(rng);
    r.airTime = "23:30";
    r.name = "作品名称 " + std::to_string(i);
    r.episode = std::uniform_int_distribution<int>(1, 999)(rng);
    r.rating = std::uniform_int_distribution<int>(0, 3)(rng);
    r.updateTime = RandomTime(rng);
    r.notes =
        "\r\n||第" + std::to_string(r.episode) + "集 于 " + std::string(r.updateTime) + " 更新";
    r.nextTime = i % 3 == 0 ? "" : RandomTime(rng);
    r.keyword = i % 4 == 0 ? "关键词" : "";
    r.earliestUpdate = i % 5 == 0 ? "周三(水)23:30 86400" : "";
    r.weekdayDue = i % 7 == 0;
  }
  for (ReminderRule& rule : tab.settings.reminders.rules) rule.enabled = 1;
}

// The steady state: every next time already filled in.
void BM_ShowTab(benchmark::State& state) {
  testing::ScopedTimeZone zone(testing::kChinaZone);
  Tab tab;
  FillAnimeTab(tab);
  tab.list.ShowTab(kAnime);
  for (auto _ : state) {
    tab.list.ShowTab(kAnime);
    benchmark::DoNotOptimize(tab.list.Rows().data());
  }
  state.SetItemsProcessed(state.iterations() * kWorks);
}
BENCHMARK(BM_ShowTab)->Unit(benchmark::kMillisecond);

// The first showing after loading: a third of the works get their next
// time computed (a week after the update).
void BM_ShowTabFillingNextTimes(benchmark::State& state) {
  testing::ScopedTimeZone zone(testing::kChinaZone);
  Tab tab;
  FillAnimeTab(tab);
  for (auto _ : state) {
    state.PauseTiming();
    int i = 0;
    for (SeriesRecord& r : tab.store.lists[kAnime])
      if (i++ % 3 == 0) r.nextTime.clear();
    state.ResumeTiming();
    tab.list.ShowTab(kAnime);
    benchmark::DoNotOptimize(tab.list.Rows().data());
  }
  state.SetItemsProcessed(state.iterations() * kWorks);
}
BENCHMARK(BM_ShowTabFillingNextTimes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirevo

BENCHMARK_MAIN();
