#include "web/label_view.h"

#include <cmath>

#include "forms/colour.h"
#include "forms/twips.h"
#include "web/page.h"

namespace web {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kCssPixelsPerInch = 96;

int AlignmentCode(forms::Alignment alignment) {
  switch (alignment) {
    case forms::Alignment::RightJustify:
      return 1;
    case forms::Alignment::Center:
      return 2;
    case forms::Alignment::LeftJustify:
      break;
  }
  return 0;
}

}  // namespace

// The classic sans serif face has a metric-compatible match in Liberation Sans; the browser's
// own sans serif stands in where that is missing.
std::string CssFont(const forms::Font& font) {
  const std::string family =
      font.Name == "MS Sans Serif" ? "\"Liberation Sans\", sans-serif" : "\"" + font.Name + "\"";
  const long pixels = std::lround(font.Size * kCssPixelsPerInch / kPointsPerInch);
  return std::string(font.Italic ? "italic " : "") + std::to_string(font.Weight) + " " +
         std::to_string(pixels) + "px " + family;
}

int CssColour(forms::Colour colour) {
  const forms::Rgb rgb = forms::ToRgb(colour);
  return rgb.red << 16 | rgb.green << 8 | rgb.blue;
}

LabelView::LabelView(forms::Label& model, const std::string& parent, std::string id)
    : model_(model), id_(std::move(id)), font_(CssFont(model.Font)) {
  vexal_label_create(parent.c_str(), id_.c_str(), font_.c_str(), CssColour(model.ForeColor),
                     CssColour(model.BackColor), AlignmentCode(model.Alignment),
                     model.AutoSize ? 0 : 1);
  model_.SetTextMeasure([font = font_](const forms::Label& label) {
    const std::string& text = label.Caption();
    return forms::TextExtent{
        .Width = static_cast<float>(vexal_text_width(font.c_str(), text.c_str()) *
                                    forms::kTwipsPerPixel),
        .Height = static_cast<float>(vexal_text_height(font.c_str()) * forms::kTwipsPerPixel)};
  });
  ShowModel();
}

LabelView::~LabelView() {
  model_.SetTextMeasure(nullptr);
}

void LabelView::ShowModel() {
  if (model_.Caption() != caption_) {
    caption_ = model_.Caption();
    vexal_label_text(id_.c_str(), caption_.c_str());
  }
  const Place place{forms::TwipsToPixels(model_.Left), forms::TwipsToPixels(model_.Top),
                    forms::TwipsToPixels(model_.Width), forms::TwipsToPixels(model_.Height),
                    model_.Visible};
  if (place != place_) {
    place_ = place;
    vexal_place(id_.c_str(), place.left, place.top, place.width, place.height, place.visible);
  }
}

}  // namespace web
