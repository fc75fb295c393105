#include "view/timer_bridge.h"

#include <algorithm>

namespace view {

TimerBridge::TimerBridge(forms::Timer& timer, std::function<void()> tick, QObject* parent)
    : QObject(parent), timer_(timer) {
  qtimer_.setTimerType(Qt::PreciseTimer);
  connect(&qtimer_, &QTimer::timeout, this, std::move(tick));
  timer_.IntervalChanged = [this] { FollowInterval(); };
  FollowInterval();
}

TimerBridge::~TimerBridge() {
  timer_.IntervalChanged = nullptr;
}

void TimerBridge::FollowInterval() {
  if (timer_.Running()) {
    qtimer_.start(std::max<int>(timer_.Interval(), kShortestPeriodMs));
  } else {
    qtimer_.stop();
  }
}

}  // namespace view
