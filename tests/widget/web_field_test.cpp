#include <gtest/gtest.h>

#include <QImage>

#include "harness.h"
#include "playfield/form1.h"
#include "web/field_raster.h"

namespace {

// The web page draws the field itself: at ratio 1 it must be the reviewed first screen of the
// Qt window, above the status strip (whose texts are the page's own elements).
TEST(WebFieldTest, AtRatioOneTheFieldIsTheReviewedFirstScreen) {
  playfield::Form1 form;
  playfield::Form_Load(form);
  web::FieldRaster raster;
  raster.Resize(1, 208, 400);
  raster.Draw(form, {0, 0, raster.Width(), raster.Height()});
  const QRect field(0, 0, 208, 352);
  const QImage drawn =
      QImage(raster.Bytes(), raster.Width(), raster.Height(), QImage::Format_RGBA8888).copy(field);
  const QImage golden = QImage(QString(VEXAL_GOLDEN_DIR) + "/start.png").copy(field);
  EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32),
            golden.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
