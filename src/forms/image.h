#pragma once

#include "forms/bitmap.h"
#include "forms/control.h"

namespace forms {

// Draws its picture at natural size, one picture pixel to a screen pixel, while visible.
struct Image : Control {
  const Bitmap* Picture = nullptr;
};

}  // namespace forms
