#pragma once

#include <string>

#include "forms/bitmap.h"
#include "forms/colour.h"

namespace forms {

enum class BorderStyle { Sizable, FixedDialog };

// A window's own properties; its controls are members of the concrete form.
struct Form {
  std::string Caption;
  float ClientLeft = 0;  // the stored position of the client area on the screen, in twips
  float ClientTop = 0;
  float ClientWidth = 0;  // twips
  float ClientHeight = 0;
  Colour BackColor = 0x8000000F;
  forms::BorderStyle BorderStyle = forms::BorderStyle::Sizable;
  bool MaxButton = true;
  bool MinButton = true;
  const Bitmap* Icon = nullptr;
};

}  // namespace forms
