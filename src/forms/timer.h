#pragma once

#include <cstdint>
#include <functional>

namespace forms {

// Raises a tick every Interval milliseconds while Interval is above 0. The ticks themselves
// come from the host, which is told whenever Interval changes.
class Timer {
 public:
  explicit Timer(std::int32_t interval) : interval_(interval) {}

  std::int32_t Interval() const { return interval_; }
  void SetInterval(std::int32_t milliseconds);  // a negative value raises Invalid property value
  bool Running() const { return interval_ > 0; }

  std::function<void()> IntervalChanged;

 private:
  std::int32_t interval_;
};

}  // namespace forms
