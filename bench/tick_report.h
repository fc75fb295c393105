#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/host.h"

// Prints the median, the 95th percentile and the longest of the periods between ticks, in
// milliseconds. The first period starts before the event loop runs and is left out.
inline void ReportTickPeriods(std::vector<double> periods) {
  periods.erase(periods.begin());
  std::sort(periods.begin(), periods.end());
  const auto at = [&](double share) {
    return periods[static_cast<std::size_t>(share * static_cast<double>(periods.size() - 1))];
  };
  std::printf("target %d ms, %zu ticks: median %.3f ms, 95th percentile %.3f ms, max %.3f ms\n",
              app::kShortestTickMs, periods.size(), at(0.5), at(0.95), periods.back());
}
