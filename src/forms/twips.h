#pragma once

#include <cmath>

namespace forms {

// Every position and size of the model is in twips, 1/1440 inch.
inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch

inline int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace forms
