#pragma once

#include "forms/bitmap.h"
#include "forms/control.h"

namespace forms {

// Draws its picture while visible: at natural size, one picture pixel to a screen pixel, or
// with Stretch scaled to fill the control.
struct Image : Control {
  const Bitmap* Picture = nullptr;
  bool Stretch = false;
};

}  // namespace forms
