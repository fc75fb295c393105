#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "assets/pictures.h"

namespace assets {
namespace {

constexpr std::uint32_t G = 0xFF00FF00;  // bright green
constexpr std::uint32_t g = 0xFF008000;  // dark green
constexpr std::uint32_t k = 0xFF000000;  // black

using Rule = std::function<std::uint32_t(int x, int y)>;

void ExpectPixels(const char* name, const forms::Bitmap& picture, int width, int height,
                  const Rule& expected) {
  ASSERT_EQ(picture.Width, width) << name;
  ASSERT_EQ(picture.Height, height) << name;
  ASSERT_EQ(picture.Pixels.size(), static_cast<std::size_t>(width * height)) << name;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      EXPECT_EQ(picture.At(x, y), expected(x, y)) << name << " at " << x << "," << y;
    }
  }
}

// The oval, described row by row: black margin, then its dark outline, then bright green, the
// same on the right.
std::uint32_t OvalPixel(int x, int y) {
  struct Edge {
    int margin, outline;
  };
  static const std::vector<Edge> upperHalf = {{6, 6}, {4, 2}, {3, 1}, {2, 1}, {1, 1},
                                              {1, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}};
  const Edge edge = upperHalf[static_cast<std::size_t>(y < 10 ? y : 19 - y)];
  const int fromSide = x < 9 ? x : 17 - x;
  if (fromSide < edge.margin) {
    return k;
  }
  return fromSide < edge.margin + edge.outline ? g : G;
}

std::uint32_t SquarePixel(int x, int y) {
  return x == 0 || x == 17 || y == 0 || y == 19 ? g : G;
}

// A 12 x 13 turret over columns 12 to 23 on a 38 x 11 bar of three cells.
std::uint32_t CannonPixel(int x, int y) {
  if (y <= 12) {
    if (x < 12 || x > 23) {
      return k;
    }
    return x == 12 || x == 23 || y == 0 || y == 12 ? g : G;
  }
  const bool border = y == 13 || y == 23 || x == 0 || x == 37;
  const bool divider = x == 11 || x == 12 || x == 23 || x == 24;
  return border || divider ? g : G;
}

TEST(PicturesTest, EveryPicturePixelForPixel) {
  ExpectPixels("oval", OvalTarget(), 18, 20, OvalPixel);
  ExpectPixels("square", SquareTarget(), 18, 20, SquarePixel);
  ExpectPixels("cannon", Cannon(), 38, 24, CannonPixel);
  ExpectPixels("shot", Shot(), 2, 3, [](int, int) { return 0xFFF2FAFAu; });
}

TEST(PicturesTest, TheIconIsThirtyTwoSquareInSixteenColoursWithAMask) {
  const std::set<std::uint32_t> sixteenColours = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
                                                  0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
                                                  0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                                  0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
  const forms::Bitmap& icon = WindowIcon();
  ASSERT_EQ(icon.Width, 32);
  ASSERT_EQ(icon.Height, 32);
  int transparent = 0;
  for (const std::uint32_t pixel : icon.Pixels) {
    if ((pixel >> 24) == 0) {
      ++transparent;
    } else {
      EXPECT_TRUE(sixteenColours.contains(pixel)) << std::hex << pixel;
    }
  }
  EXPECT_GT(transparent, 0);
  EXPECT_EQ(icon.At(0, 0) >> 24, 0u) << "the corners are see-through";
}

}  // namespace
}  // namespace assets
