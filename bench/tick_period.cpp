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
#include "short_round.h"
#include "tick_report.h"

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : ShortRound() ? 1 : 5;
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

  ReportTickPeriods(periods);
  return 0;
}
