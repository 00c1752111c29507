#pragma once
// Wall-clock timing shared by the benchmarks: the monotonic clock in milliseconds and the median
// of several runs of a piece of work.

#include <algorithm>
#include <ctime>
#include <vector>

namespace bench {

inline double NowMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename Work>
double MedianMilliseconds(int runs, Work&& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double start = NowMilliseconds();
    work();
    times.push_back(NowMilliseconds() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace bench
