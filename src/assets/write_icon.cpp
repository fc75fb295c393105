// Writes the window icon as an icon file, for the Windows program's resources and the web page's
// favicon: 32 x 32 pixels in the sixteen standard colours, with a mask for its see-through pixels.
// Usage: vexal_write_icon FILE
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "assets/pictures.h"

namespace {

constexpr std::array<std::uint32_t, 16> kStandardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

bool IsClear(std::uint32_t pixel) {
  return (pixel >> 24) == 0;
}

std::uint8_t ColourIndex(std::uint32_t pixel) {
  for (std::size_t i = 0; i < kStandardColours.size(); ++i) {
    if (kStandardColours[i] == (pixel & 0xFFFFFF)) {
      return static_cast<std::uint8_t>(i);
    }
  }
  std::fprintf(stderr, "colour %06X is not one of the sixteen\n", pixel & 0xFFFFFF);
  std::exit(EXIT_FAILURE);
}

// One icon directory entry, its header, the palette, the colours and the mask, rows bottom up.
std::vector<std::uint8_t> IconFile(const forms::Bitmap& icon) {
  const auto width = static_cast<std::uint32_t>(icon.Width);
  const auto height = static_cast<std::uint32_t>(icon.Height);
  const std::uint32_t colourRow = (width / 2 + 3) / 4 * 4;
  const std::uint32_t maskRow = (width / 8 + 3) / 4 * 4;
  const std::uint32_t imageSize = 40 + 16 * 4 + height * (colourRow + maskRow);
  std::vector<std::uint8_t> out;
  for (const auto [value, bytes] : {std::pair{0u, 2}, {1u, 2}, {1u, 2}}) {
    Put(out, value, bytes);  // reserved, an icon, one image
  }
  for (const auto [value, bytes] : {std::pair{width, 1},
                                    {height, 1},
                                    {16u, 1},
                                    {0u, 1},
                                    {1u, 2},
                                    {4u, 2},
                                    {imageSize, 4},
                                    {22u, 4}}) {
    Put(out, value, bytes);
  }
  for (const auto [value, bytes] : {std::pair{40u, 4},
                                    {width, 4},
                                    {2 * height, 4},
                                    {1u, 2},
                                    {4u, 2},
                                    {0u, 4},
                                    {imageSize - 104, 4},
                                    {0u, 16}}) {
    Put(out, value, bytes);
  }
  for (const std::uint32_t colour : kStandardColours) {
    Put(out, colour & 0xFFFFFF, 4);  // blue, green, red, zero: the colour value backwards
  }
  for (int y = icon.Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(colourRow);
    for (int x = 0; x < icon.Width; ++x) {
      const std::uint32_t pixel = icon.At(x, y);
      const std::uint8_t index = IsClear(pixel) ? 0 : ColourIndex(pixel);
      row[static_cast<std::size_t>(x / 2)] |=
          static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = icon.Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRow);
    for (int x = 0; x < icon.Width; ++x) {
      if (IsClear(icon.At(x, y))) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return EXIT_FAILURE;
  }
  const std::vector<std::uint8_t> file = IconFile(assets::WindowIcon());
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return out ? EXIT_SUCCESS : EXIT_FAILURE;
}
