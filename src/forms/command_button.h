#pragma once

#include <string>

#include "forms/control.h"
#include "forms/font.h"

namespace forms {

// A push button. An "&" in the caption underlines the next letter and makes Alt+letter press
// it. Enter presses the default button, Esc the cancel button.
struct CommandButton : Control {
  std::string Caption;
  bool Default = false;
  bool Cancel = false;
  int TabIndex{};
  forms::Font Font;
};

}  // namespace forms
