#pragma once

#include "forms/colour.h"

namespace forms {

// A one-pixel line between two points in twips.
struct Line {
  float X1 = 0;
  float Y1 = 0;
  float X2 = 0;
  float Y2 = 0;
  Colour BorderColor = 0;
  bool Visible = true;

  bool operator==(const Line&) const = default;
};

}  // namespace forms
