#pragma once

#include <vector>

#include "forms/bitmap.h"
#include "forms/control.h"
#include "forms/line.h"
#include "playfield/form1.h"

namespace app {

// What a main window drew of the field when it last showed the form, so that it can repaint
// only what a handler changed: a tick moves six small pictures, not the whole field.
class FieldChanges {
 public:
  // The places, in twips, that show something else than they did at the last call: the old and
  // the new place of every picture that moved, appeared, disappeared or changed, and of the line.
  // The first call names everything drawn. The list holds until the next call.
  const std::vector<forms::Control>& Since(const playfield::Form1& form);

  // Where a picture shows at its natural size with its top-left corner at a place in twips.
  static forms::Control PictureArea(const forms::Bitmap& picture, float left, float top);
  // The line with both ends, one pixel wide.
  static forms::Control LineArea(const forms::Line& line);

 private:
  struct Drawn {
    const forms::Bitmap* picture = nullptr;  // none: nothing drawn
    float left{};
    float top{};
    bool operator==(const Drawn&) const = default;
  };
  static Drawn DrawnOf(const forms::Image& image);
  void ComparePictures();

  // Kept from call to call: a tick allocates nothing.
  std::vector<Drawn> pictures_;
  std::vector<Drawn> now_;
  std::vector<forms::Control> changed_;
  forms::Line line_{.Visible = false};
};

}  // namespace app
