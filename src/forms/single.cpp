#include "forms/single.h"

#include <cmath>
#include <limits>

#include "forms/runtime_error.h"

namespace forms {

float ToSingle(double value) {
  const double largest = std::numeric_limits<float>::max();
  if (!std::isfinite(value) || std::fabs(value) > largest) {
    throw errors::Overflow();
  }
  return static_cast<float>(value);
}

}  // namespace forms
