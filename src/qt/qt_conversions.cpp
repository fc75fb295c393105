#include "qt/qt_conversions.h"

#include <algorithm>
#include <cmath>

#include "forms/twips.h"

namespace qt {
namespace {

// Metric-compatible with the classic sans serif UI faces; at 8 points its widths for the status
// strip's texts match the layout's to within a pixel.
constexpr const char* kSansSerifSubstitute = "Liberation Sans";
constexpr double kPointsPerInch = 72;
constexpr double kLogicalDotsPerInch = 96;

}  // namespace

QColor ToQColor(forms::Colour colour) {
  const forms::Rgb rgb = forms::ToRgb(colour);
  return {rgb.red, rgb.green, rgb.blue};
}

QFont ToQFont(const forms::Font& font) {
  QFont qfont(font.Name == "MS Sans Serif" ? kSansSerifSubstitute : font.Name.c_str());
  qfont.setPixelSize(
      static_cast<int>(std::lround(font.Size * kLogicalDotsPerInch / kPointsPerInch)));
  qfont.setWeight(static_cast<QFont::Weight>(font.Weight));
  qfont.setItalic(font.Italic);
  qfont.setStyleHint(QFont::SansSerif);
  return qfont;
}

// The formats the painter draws from without converting the picture each time; an opaque picture
// is copied row by row, not blended pixel by pixel.
QImage ToQImage(const forms::Bitmap& bitmap) {
  const bool opaque = std::all_of(bitmap.Pixels.begin(), bitmap.Pixels.end(),
                                  [](std::uint32_t pixel) { return qAlpha(pixel) == 0xFF; });
  QImage image(bitmap.Width, bitmap.Height,
               opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < bitmap.Height; ++y) {
    for (int x = 0; x < bitmap.Width; ++x) {
      image.setPixel(x, y, qPremultiply(bitmap.At(x, y)));
    }
  }
  return image;
}

QRect PixelRect(const forms::Control& control) {
  return {forms::TwipsToPixels(control.Left), forms::TwipsToPixels(control.Top),
          forms::TwipsToPixels(control.Width), forms::TwipsToPixels(control.Height)};
}

}  // namespace qt
