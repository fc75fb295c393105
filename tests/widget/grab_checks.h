#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "forms/bitmap.h"
#include "view/qt_conversions.h"

// Compares a grab, pixel for pixel, with a picture drawn at the given point.
inline void ExpectPictureAt(const QImage& shot, const forms::Bitmap& picture, QPoint at,
                            const char* name) {
  const QImage expected = view::ToQImage(picture);
  int wrong = 0;
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) {
      wrong += shot.pixelColor(at + QPoint(x, y)) != expected.pixelColor(x, y);
    }
  }
  EXPECT_EQ(wrong, 0) << name << " at " << at.x() << "," << at.y();
}
