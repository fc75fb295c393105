#include <gtest/gtest.h>

#include <set>

#include "assets/pictures.h"
#include "shown_playfield.h"

namespace {

// Run with QT_SCALE_FACTOR=2: every logical pixel is a 2 x 2 block of device pixels.
TEST(HighDpiTest, PixelArtScalesInWholeBlocksWithoutBlending) {
  ShownPlayfield shown;
  const QImage shot = shown.Grab();
  ASSERT_EQ(shot.devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
  ASSERT_EQ(shot.size(), QSize(416, 800));

  const forms::Bitmap& cannon = assets::Cannon();
  const std::set<QRgb> ownColours(cannon.Pixels.begin(), cannon.Pixels.end());
  int wrong = 0;
  int foreign = 0;
  for (int y = 0; y < cannon.Height * 2; ++y) {
    for (int x = 0; x < cannon.Width * 2; ++x) {
      const QRgb device = shot.pixel(144 + x, 624 + y);
      wrong += device != cannon.At(x / 2, y / 2);
      foreign += !ownColours.contains(device);
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(foreign, 0) << "no blended colour in the cannon";

  // The one-pixel ground line under it is two device rows, neither more nor less.
  for (const auto& [row, white] : {std::pair{671, false}, {672, true}, {673, true}, {674, false}}) {
    EXPECT_EQ(shot.pixel(300, row) == 0xFFFFFFFF, white) << "device row " << row;
  }
}

}  // namespace
