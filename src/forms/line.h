#pragma once

#include "forms/colour.h"

namespace forms {

// A one-pixel line between two points in twips.
struct Line {
  float X1{};
  float Y1{};
  float X2{};
  float Y2{};
  Colour BorderColor{};
  bool Visible = true;

  bool operator==(const Line&) const = default;
};

}  // namespace forms
