#pragma once

#include <string>

namespace forms {

struct Font {
  std::string Name = "MS Sans Serif";
  double Size = 8;  // points
  int Weight = 400;
  bool Italic = false;
};

}  // namespace forms
