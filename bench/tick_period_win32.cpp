// Runs a window timer at the game's shortest tick period, as the Windows host does, for a few
// seconds and reports the median and the 95th percentile of the periods between ticks.
// Usage: vexal_tick_period_win32 [seconds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/host.h"
#include "short_round.h"
#include "tick_report.h"

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : ShortRound() ? 1 : 5;
  LARGE_INTEGER frequency{};
  LARGE_INTEGER last{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&last);
  std::vector<double> periods;
  const UINT_PTR timer = SetTimer(nullptr, 0, app::kShortestTickMs, nullptr);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  MSG message{};
  while (GetTickCount64() < end && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.wParam == timer) {
      LARGE_INTEGER now{};
      QueryPerformanceCounter(&now);
      periods.push_back(1000.0 * static_cast<double>(now.QuadPart - last.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
      last = now;
    }
  }
  KillTimer(nullptr, timer);
  ReportTickPeriods(periods);
  return 0;
}
