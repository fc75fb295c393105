// Runs the game's timer on the real Qt event loop for a few seconds and reports the median and
// the 95th percentile of the periods between ticks. Usage: vexal_tick_period [seconds]
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/host.h"

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
  QApplication application(argc, argv);
  using Clock = std::chrono::steady_clock;

  std::vector<double> periods;
  Clock::time_point last = Clock::now();
  // The timer of the Qt host, at the game's shortest tick period.
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    const Clock::time_point now = Clock::now();
    periods.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  });
  timer.start(app::kShortestTickMs);
  QTimer::singleShot(seconds * 1000, &application, &QApplication::quit);
  QApplication::exec();

  periods.erase(periods.begin());  // the first one starts before the loop runs
  std::sort(periods.begin(), periods.end());
  const auto at = [&](double share) {
    return periods[static_cast<std::size_t>(share * static_cast<double>(periods.size() - 1))];
  };
  std::printf("target %d ms, %zu ticks: median %.3f ms, 95th percentile %.3f ms, max %.3f ms\n",
              app::kShortestTickMs, periods.size(), at(0.5), at(0.95), periods.back());
  return 0;
}
