// Generated stores for round-trip tests and benchmarks: realistic works of
// about 150 bytes, or hostile ones whose texts hold every byte the data file
// can carry (CR LF, ";" inside and at the end, two-byte characters).
#pragma once

#include <cstdio>
#include <random>
#include <string>
#include <tuple>

#include "store/record_store.h"

namespace mirevo::testing {

class StoreGenerator {
 public:
  explicit StoreGenerator(unsigned seed) : rng_(seed) {}

  // A store with every "T" kind: categories 0..3 on their lists, finished
  // works, awaited works with and without a category.
  RecordStore Make(int works, bool hostile) {
    RecordStore store;
    for (int i = 0; i < works; ++i) {
      int list = Uniform(0, kListCount - 1);
      SeriesRecord& r = store.lists[list].AppendNewRecord();
      r.id = ++store.idCounter;
      r.category = list <= kDrama ? list : Uniform(0, 3);
      if (list == kAwaitedList && Uniform(0, 1)) r.category = kCategoryNotChosen;
      r.weekday = Uniform(-1, 6);
      r.episode = list == kAwaitedList ? 0 : Uniform(1, 999);
      // Braces: the draws are made left to right.
      std::tie(r.rating, r.weekdayDue, r.earliestDue, r.manualNextTime) = std::tuple{
          Uniform(0, 3), Switch{Uniform(0, 1)}, Switch{Uniform(0, 1)}, Switch{Uniform(0, 1)}};
      r.airTime = TimeText().substr(11);
      r.updateTime = TimeText();
      r.nextTime = Uniform(0, 5) == 0 ? "Unknown" : TimeText();
      if (hostile) {
        std::tie(r.name, r.notes, r.previewPath, r.keyword, r.earliestUpdate) = std::tuple{
            HostileText(12), HostileText(20), HostileText(6), HostileText(6), HostileText(6)};
      } else {
        r.name = "作品名称 " + std::to_string(i);
        r.notes =
            "\r\n||第" + std::to_string(r.episode) + "集 于 " + std::string(r.updateTime) + " 更新";
        r.previewPath = Uniform(0, 3) ? "" : "pics\\" + std::to_string(i) + ".jpg";
        r.keyword = Uniform(0, 2) ? "" : "关键词";
        r.earliestUpdate = Uniform(0, 2) ? "" : "周三(水)23:30 86400";
      }
    }
    return store;
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  // A text the data file carries unchanged: never starting with ";", never
  // ";" + one byte + "=", no zero byte.
  std::string HostileText(int maxLength) {
    static const std::string kPieces[] = {"a",  "Z",  "1",  " ", "\r\n", ";",  "=",
                                          "周", "日", "中", "·", "x;y",  "k=", "||第"};
    std::string text;
    for (int pieces = Uniform(0, maxLength); pieces > 0; --pieces)
      text += kPieces[Uniform(0, std::size(kPieces) - 1)];
    if (Uniform(0, 4) == 0) text += ";";  // a value that ends with ";"
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
      if (text[i] == ';' && text[i + 2] == '=') text[i + 2] = '-';
    while (!text.empty() && text[0] == ';') text.erase(0, 1);
    return text;
  }

  std::string TimeText() {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", Uniform(2000, 2030),
                  Uniform(1, 12), Uniform(1, 28), Uniform(0, 23), Uniform(0, 59));
    return buffer;
  }

  std::mt19937 rng_;
};

}  // namespace mirevo::testing
