#include "web/field_raster.h"

#include <algorithm>
#include <cmath>

#include "app/field_changes.h"
#include "forms/colour.h"
#include "forms/twips.h"

namespace web {
namespace {

// In memory order red, green, blue, alpha, on the little-endian WebAssembly machine.
std::uint32_t CanvasPixel(forms::Rgb rgb) {
  return 0xFF000000u | static_cast<std::uint32_t>(rgb.blue) << 16 |
         static_cast<std::uint32_t>(rgb.green) << 8 | rgb.red;
}

// A picture's 0xAARRGGBB pixel; a fully transparent one shows what is under it.
std::uint32_t CanvasPixel(std::uint32_t argb) {
  return CanvasPixel({static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
                      static_cast<std::uint8_t>(argb)});
}

DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

}  // namespace

void FieldRaster::Resize(double ratio, int cssWidth, int cssHeight) {
  ratio_ = ratio;
  width_ = Edge(cssWidth);
  height_ = Edge(cssHeight);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

const std::uint8_t* FieldRaster::Bytes() const {
  return reinterpret_cast<const std::uint8_t*>(pixels_.data());
}

int FieldRaster::Edge(int cssPixel) const {
  return static_cast<int>(std::lround(cssPixel * ratio_));
}

DeviceRect FieldRaster::ToDevice(const forms::Control& area) const {
  const int left = forms::TwipsToPixels(area.Left);
  const int top = forms::TwipsToPixels(area.Top);
  const DeviceRect place{Edge(left), Edge(top), Edge(left + forms::TwipsToPixels(area.Width)),
                         Edge(top + forms::TwipsToPixels(area.Height))};
  return Intersect(place, {0, 0, width_, height_});
}

void FieldRaster::Fill(const DeviceRect& rect, std::uint32_t pixel) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row + rect.left, row + rect.right, pixel);
  }
}

void FieldRaster::DrawPicture(const forms::Bitmap& picture, int left, int top,
                              const DeviceRect& area) {
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) {
      const std::uint32_t argb = picture.At(x, y);
      const DeviceRect block =
          Intersect({Edge(left + x), Edge(top + y), Edge(left + x + 1), Edge(top + y + 1)}, area);
      if (argb >> 24 != 0 && !block.Empty()) {
        Fill(block, CanvasPixel(argb));
      }
    }
  }
}

void FieldRaster::Draw(const playfield::Form1& form, const DeviceRect& area) {
  const DeviceRect clipped = Intersect(area, {0, 0, width_, height_});
  if (clipped.Empty()) {
    return;
  }
  Fill(clipped, CanvasPixel(forms::ToRgb(form.BackColor)));
  for (const forms::Image* image : form.ImagesInDrawingOrder()) {
    if (image->Visible && image->Picture != nullptr) {
      const forms::Control place =
          app::FieldChanges::PictureArea(*image->Picture, image->Left, image->Top);
      if (!Intersect(ToDevice(place), clipped).Empty()) {
        DrawPicture(*image->Picture, forms::TwipsToPixels(place.Left),
                    forms::TwipsToPixels(place.Top), clipped);
      }
    }
  }
  const forms::Line& line = form.Line1;
  if (line.Visible) {
    const DeviceRect band = Intersect(ToDevice(app::FieldChanges::LineArea(line)), clipped);
    if (!band.Empty()) {
      Fill(band, CanvasPixel(forms::ToRgb(line.BorderColor)));
    }
  }
}

}  // namespace web
