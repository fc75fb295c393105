#include <gtest/gtest.h>

#include "harness.h"

namespace {

// Run with QT_SCALE_FACTOR=2: the field, with its pixel art and one-pixel line, is the first
// screen with every pixel a 2 x 2 block of device pixels, nothing blended.
TEST(HighDpiTest, PixelArtScalesInWholeBlocksWithoutBlending) {
  StartedGame started(false);
  QImage field = started.Grab().convertToFormat(QImage::Format_ARGB32).copy(0, 0, 416, 700);
  field.setDevicePixelRatio(1);
  EXPECT_EQ(field, QImage(QStringLiteral(VEXAL_GOLDEN_DIR "/start.png"))
                       .convertToFormat(QImage::Format_ARGB32)
                       .copy(0, 0, 208, 350)
                       .scaled(416, 700));
}

}  // namespace
