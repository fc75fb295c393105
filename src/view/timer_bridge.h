#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "forms/timer.h"

namespace view {

// Delivers a model timer's ticks from a Qt timer, starting and stopping it as Interval changes.
class TimerBridge : public QObject {
  Q_OBJECT

 public:
  // Desktop timers deliver no faster than their clock granularity, and the game's pace was set
  // by one of about 15.6 ms: a tick every 15 ms keeps that pace, and Qt's precise timer
  // holds it steadily.
  static constexpr int kShortestPeriodMs = 15;

  TimerBridge(forms::Timer& timer, std::function<void()> tick, QObject* parent = nullptr);
  ~TimerBridge() override;

  int PeriodMs() const { return qtimer_.interval(); }
  bool Active() const { return qtimer_.isActive(); }

 private:
  void FollowInterval();

  forms::Timer& timer_;
  QTimer qtimer_;
};

}  // namespace view
