#pragma once

namespace forms {

// What every visible control of a window has: its rectangle in twips, relative to the client
// area's top-left corner (Top grows downward), and whether it is shown.
struct Control {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
  bool Visible = true;
};

}  // namespace forms
