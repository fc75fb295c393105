#include "app/field_changes.h"

#include <algorithm>
#include <cmath>

#include "forms/twips.h"

namespace app {

// One picture pixel to a pixel at 96 dots per inch.
forms::Control FieldChanges::PictureArea(const forms::Bitmap& picture, float left, float top) {
  return {.Left = left,
          .Top = top,
          .Width = static_cast<float>(picture.Width * forms::kTwipsPerPixel),
          .Height = static_cast<float>(picture.Height * forms::kTwipsPerPixel)};
}

forms::Control FieldChanges::LineArea(const forms::Line& line) {
  return {.Left = std::min(line.X1, line.X2),
          .Top = std::min(line.Y1, line.Y2),
          .Width = std::abs(line.X2 - line.X1) + forms::kTwipsPerPixel,
          .Height = std::abs(line.Y2 - line.Y1) + forms::kTwipsPerPixel};
}

FieldChanges::Drawn FieldChanges::DrawnOf(const forms::Image& image) {
  if (!image.Visible || image.Picture == nullptr) {
    return {};
  }
  return {.picture = image.Picture, .left = image.Left, .top = image.Top};
}

const std::vector<forms::Control>& FieldChanges::Since(const playfield::Form1& form) {
  now_.clear();
  for (const forms::Image* image : form.ImagesInDrawingOrder()) {
    now_.push_back(DrawnOf(*image));
  }
  changed_.clear();
  ComparePictures();
  std::swap(pictures_, now_);
  if (form.Line1 != line_) {
    for (const forms::Line* line : std::initializer_list<const forms::Line*>{&line_, &form.Line1}) {
      if (line->Visible) {
        changed_.push_back(LineArea(*line));
      }
    }
    line_ = form.Line1;
  }
  return changed_;
}

// Pictures are compared place by place in drawing order, the shorter list padded with nothing
// drawn; a row that gains or loses a target shifts the rest, which then count as changed: more
// repainted, never less.
void FieldChanges::ComparePictures() {
  const std::size_t places = std::max(now_.size(), pictures_.size());
  now_.resize(places);
  pictures_.resize(places);
  auto next = pictures_.begin();
  for (const Drawn& after : now_) {
    const Drawn& before = *next++;
    if (before == after) {
      continue;
    }
    for (const Drawn& drawn : {before, after}) {
      if (drawn.picture != nullptr) {
        changed_.push_back(PictureArea(*drawn.picture, drawn.left, drawn.top));
      }
    }
  }
}

}  // namespace app
