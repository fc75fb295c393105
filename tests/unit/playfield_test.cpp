#include <gtest/gtest.h>

#include <vector>

#include "playfield/form1.h"

namespace playfield {
namespace {

// Each new target stands 1350 twips right of its neighbour's current Left, so a row follows its
// first target wherever it stands (the window shows the rows from the usual start); a new target
// is a visible copy of the first.
TEST(FormLoadTest, EachRowFollowsItsFirstTarget) {
  Form1 form;
  form.c(0).Left = 500;
  form.b(0).Left = -1000;
  form.b(0).Top = 100;
  Form_Load(form);
  std::vector<float> places;
  for (int i = 0; i < 3; ++i) {
    places.insert(places.end(), {form.c(i).Left, form.b(i).Left, form.b(i).Top});
    EXPECT_TRUE(form.c(i).Visible && form.b(i).Visible && form.b(i).Picture == form.b(0).Picture);
  }
  EXPECT_EQ(places, (std::vector<float>{500, -1000, 100, 1850, 350, 100, 3200, 1700, 100}));
  EXPECT_FALSE(form.c.Exists(3) || form.b.Exists(3));
}

// The pictures are ours, their sizes the layout's: each image, then its picture at 15 twips a
// pixel, for the oval and square targets, the cannon and the shot.
TEST(Form1Test, EachPictureHasItsImagesSize) {
  const Form1 form;
  std::vector<float> sizes;
  for (const forms::Image* image : form.ImagesInDrawingOrder()) {
    sizes.insert(sizes.end(),
                 {image->Width, image->Height, static_cast<float>(image->Picture->Width * 15),
                  static_cast<float>(image->Picture->Height * 15)});
  }
  EXPECT_EQ(sizes, (std::vector<float>{270, 300, 270, 300, 270, 300, 270, 300, 570, 360, 570, 360,
                                       30, 45, 30, 45}));
}

}  // namespace
}  // namespace playfield
