#pragma once

#include <cstdint>
#include <vector>

#include "forms/control.h"
#include "playfield/form1.h"

namespace web {

// Device pixels from left to right and top to bottom, the right and bottom edges excluded.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// The main form's field as the page's canvas shows it, in device pixels at a device pixel ratio.
// A CSS pixel covers the device pixels between its two edges, each rounded to the nearest device
// pixel: the pixel art stays in whole blocks at any ratio, never smoothed, and the picture's size
// follows the ratio. The bytes are red, green, blue and alpha, as canvas image data keeps them.
class FieldRaster {
 public:
  // The form's client area at this ratio; everything is to be drawn again.
  void Resize(double ratio, int cssWidth, int cssHeight);
  double Ratio() const { return ratio_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::uint8_t* Bytes() const;

  // The device pixels that an area of the form in twips covers, clipped to the field.
  DeviceRect ToDevice(const forms::Control& area) const;
  // Draws the form's back colour, its visible pictures and its line within the area.
  void Draw(const playfield::Form1& form, const DeviceRect& area);

 private:
  int Edge(int cssPixel) const;
  void Fill(const DeviceRect& rect, std::uint32_t pixel);
  void DrawPicture(const forms::Bitmap& picture, int left, int top, const DeviceRect& area);

  double ratio_ = 1;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace web
