#pragma once

#include <string>

#include "forms/bitmap.h"
#include "forms/colour.h"

namespace forms {

enum class BorderStyle { Sizable, FixedDialog };

// A window's own properties, each given by every form; its controls are members of the
// concrete form.
struct Form {
  std::string Caption;
  float ClientLeft{};  // the stored position of the client area on the screen, in twips
  float ClientTop{};
  float ClientWidth{};  // twips
  float ClientHeight{};
  Colour BackColor = 0x8000000F;
  forms::BorderStyle BorderStyle = forms::BorderStyle::Sizable;
  bool MaxButton{};
  bool MinButton{};
  const Bitmap* Icon = nullptr;
};

}  // namespace forms
