#include "forms/timer.h"

#include "forms/runtime_error.h"

namespace forms {

void Timer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0) {
    throw errors::InvalidPropertyValue();
  }
  if (milliseconds == interval_) {
    return;
  }
  interval_ = milliseconds;
  if (IntervalChanged) {
    IntervalChanged();
  }
}

}  // namespace forms
