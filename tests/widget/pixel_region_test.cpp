#include "qt/pixel_region.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// The region made in one pass covers exactly what the rectangles cover, one QRegion at a time
// would: no pixel left out (a trail), none added. One maker for all cases, as a window keeps one.
TEST(PixelRegionTest, CoversExactlyWhatTheRectanglesCover) {
  const std::vector<std::pair<const char*, std::vector<QRect>>> cases = {
      {"a target's old and new place", {{10, 200, 18, 20}, {17, 200, 18, 20}}},
      {"two rows of three",
       {{0, 200, 25, 20},
        {90, 200, 25, 20},
        {180, 200, 25, 20},
        {40, 232, 25, 20},
        {130, 232, 25, 20},
        {-60, 232, 25, 20}}},
      {"one inside another", {{0, 0, 50, 50}, {10, 10, 5, 5}}},
      {"side by side", {{0, 0, 10, 10}, {10, 0, 10, 10}}},
      {"one above the other", {{0, 0, 10, 10}, {0, 10, 10, 10}}},
      {"an L", {{0, 0, 10, 30}, {0, 20, 30, 10}}},
      {"crossing", {{10, 0, 5, 40}, {0, 15, 40, 5}}},
      {"the same twice, and an empty one", {{5, 5, 8, 8}, {5, 5, 8, 8}, {3, 3, 0, 9}}},
      {"a shot beside a row", {{100, 210, 2, 3}, {90, 200, 25, 20}, {30, 215, 25, 20}}},
      {"nothing", {}},
  };
  qt::PixelRegion maker;
  for (const auto& [name, rects] : cases) {
    QRegion expected;
    for (const QRect& rect : rects) {
      expected += rect;
    }
    const QRegion made = maker.Of(rects);
    EXPECT_TRUE((made ^ expected).isEmpty()) << name;
    EXPECT_EQ(made.rectCount(), expected.rectCount()) << name << ": banded as QRegion bands";
  }
}

}  // namespace
