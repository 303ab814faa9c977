// The data file both window benchmarks load: works that look like a user's.
#pragma once

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace mirevo::journey {

// A data file of works that look like a user's: all on "动画", names that
// sort in no particular order, update times spread over years, each with
// its logged updates in the notes (about 190 bytes a work).
inline std::string MakeDataFile(int works) {
  std::mt19937 rng(20240601);
  auto uniform = [&](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
  std::string file;
  file.reserve(static_cast<std::size_t>(works) * 200);
  char time[32];
  for (int id = 1; id <= works; ++id) {
    std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d", uniform(2005, 2024),
                  uniform(1, 12), uniform(1, 28), uniform(0, 23), uniform(0, 59));
    const int episode = uniform(1, 52);
    std::string notes;
    for (int e = std::max(1, episode - 2); e <= episode; ++e)
      notes += "\r\n||第" + std::to_string(e) + "集 于 " + time + " 更新";
    file += "T=0;N=" + std::to_string(id) + ";w=" + std::to_string(uniform(-1, 6)) +
            ";t=" + std::string(time + 11) + ";n=作品" + std::to_string(uniform(0, 999999)) +
            " 第" + std::to_string(uniform(1, 4)) + "季;v=" + std::to_string(episode) +
            ";s=" + std::to_string(uniform(0, 3)) + ";d=" + time + ";m=" + notes +
            ";p=;D=;k=;W=;c=0;";
  }
  return file;
}

}  // namespace mirevo::journey
