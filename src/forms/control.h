#pragma once

namespace forms {

// What every visible control of a window has: its rectangle in twips, relative to the client
// area's top-left corner (Top grows downward), and whether it is shown.
struct Control {
  float Left{};
  float Top{};
  float Width{};
  float Height{};
  bool Visible = true;
};

}  // namespace forms
