#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// A picture, row by row from the top, one 0xAARRGGBB value a pixel.
struct Bitmap {
  int Width{};
  int Height{};
  std::vector<std::uint32_t> Pixels;

  std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

// Builds a bitmap from rows of characters, each character looked up in the palette. All rows
// must have one width, and every character must be in the palette.
Bitmap BitmapFromArt(const std::vector<std::string_view>& rows,
                     const std::vector<std::pair<char, std::uint32_t>>& palette);

}  // namespace forms
