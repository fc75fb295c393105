#include "forms/label.h"

namespace forms {

Label::Label(Control rectangle, std::string caption, LabelStyle style)
    : Control(rectangle), LabelStyle(std::move(style)), caption_(std::move(caption)) {}

void Label::SetCaption(std::string_view text) {
  if (text == caption_) {
    return;
  }
  caption_ = text;
  FitToCaption();
  if (Change) {
    Change();
  }
}

void Label::SetTextMeasure(Measure measure) {
  measure_ = std::move(measure);
  FitToCaption();
}

void Label::FitToCaption() {
  if (!AutoSize || !measure_) {
    return;
  }
  const TextExtent extent = measure_(*this);
  Width = extent.Width;
  Height = extent.Height;
}

}  // namespace forms
