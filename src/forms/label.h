#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "forms/colour.h"
#include "forms/control.h"
#include "forms/font.h"

namespace forms {

enum class Alignment { LeftJustify, RightJustify, Center };

struct LabelStyle {
  Colour BackColor = 0x8000000F;
  Colour ForeColor = 0x80000012;
  forms::Font Font;
  forms::Alignment Alignment = forms::Alignment::LeftJustify;
  bool AutoSize = false;
};

// The width and height, in twips, that a caption needs in a label's font.
struct TextExtent {
  float Width{};
  float Height{};
};

// An opaque text control. Setting a different caption raises Change before the setting
// statement returns; an auto-size label then fits its width and height to the new text,
// keeping Left and Top.
class Label : public Control, public LabelStyle {
 public:
  using Measure = std::function<TextExtent(const Label&)>;

  Label(Control rectangle, std::string caption, LabelStyle style);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view text);

  // Only the host knows how wide a text is; it tells the label once it has a font for it.
  void SetTextMeasure(Measure measure);

  std::function<void()> Change;

 private:
  void FitToCaption();

  std::string caption_;
  Measure measure_;
};

}  // namespace forms
