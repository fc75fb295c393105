#include "assets/about_picture.h"

#include <cstdint>

namespace assets {
namespace {

constexpr int kWidth = 108;
constexpr int kHeight = 143;
constexpr int kGroundRow = 128;

std::uint32_t Rgb(int red, int green, int blue) {
  return 0xFF000000u | static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
}

// Deep blue at the top fading to black at the ground.
std::uint32_t Sky(int y) {
  const int blue = 96 - 96 * y / kGroundRow;
  return Rgb(0, blue / 4, blue);
}

bool IsStar(int x, int y) {
  return (x * 37 + y * 91) % 211 == 0 && y < 90;
}

bool InTarget(int x, int y) {
  const int dx = x - 54;
  const int dy = y - 28;
  return dx * dx * 4 + dy * dy * 3 <= 700;
}

bool InCannon(int x, int y) {
  const bool turret = x >= 47 && x <= 60 && y >= 106 && y < 116;
  const bool bar = x >= 33 && x <= 74 && y >= 116 && y < kGroundRow;
  return turret || bar;
}

bool InShot(int x, int y) {
  return (x == 53 || x == 54) && y >= 50 && y < 100 && y % 8 < 5;
}

std::uint32_t PixelAt(int x, int y) {
  if (y == kGroundRow) {
    return Rgb(255, 255, 255);
  }
  if (y > kGroundRow) {
    return Rgb(0, 0, 0);
  }
  if (InCannon(x, y) || InTarget(x, y)) {
    return Rgb(0, 255, 0);
  }
  if (InShot(x, y)) {
    return Rgb(255, 255, 0);
  }
  return IsStar(x, y) ? Rgb(242, 250, 250) : Sky(y);
}

}  // namespace

const forms::Bitmap& AboutPicture() {
  static const forms::Bitmap picture = [] {
    forms::Bitmap made{.Width = kWidth, .Height = kHeight, .Pixels = {}};
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        made.Pixels.push_back(PixelAt(x, y));
      }
    }
    return made;
  }();
  return picture;
}

}  // namespace assets
