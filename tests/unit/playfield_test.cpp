#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/pictures.h"
#include "playfield/form1.h"

namespace playfield {
namespace {

struct Placement {
  const char* name;
  const forms::Control* control;
  float left, top, width, height;
  bool visible;
};

void ExpectPlacement(const Placement& expected) {
  const forms::Control& control = *expected.control;
  EXPECT_EQ(control.Left, expected.left) << expected.name;
  EXPECT_EQ(control.Top, expected.top) << expected.name;
  EXPECT_EQ(control.Width, expected.width) << expected.name;
  EXPECT_EQ(control.Height, expected.height) << expected.name;
  EXPECT_EQ(control.Visible, expected.visible) << expected.name;
}

TEST(Form1Test, WindowStartsAsTheLayoutGivesIt) {
  const Form1 form;
  EXPECT_EQ(form.Caption, "Game");
  EXPECT_EQ(form.ClientWidth, 3120);
  EXPECT_EQ(form.ClientHeight, 6000);
  EXPECT_EQ(form.Timer1.Interval(), 1);
  const std::vector<float> line = {form.Line1.X1, form.Line1.Y1, form.Line1.X2, form.Line1.Y2};
  EXPECT_EQ(line, (std::vector<float>{-120, 5040, 3120, 5040}));
  for (const auto& [label, caption] :
       std::vector<std::pair<const forms::Label*, std::string>>{{&form.Label4, "About"},
                                                                {&form.Label1, "Win:"},
                                                                {&form.Label2, "Lost:"},
                                                                {&form.Label3, "Level:"},
                                                                {&form.l, "0"},
                                                                {&form.k, "0"},
                                                                {&form.aa, "0"}}) {
    EXPECT_EQ(label->Caption(), caption);
  }
}

TEST(Form1Test, EveryControlStartsWhereTheLayoutPutsIt) {
  const Form1 form;
  for (const Placement& expected : std::vector<Placement>{
           {"Label4", &form.Label4, 0, 5520, 3135, 495, true},
           {"aa", &form.aa, 2400, 5280, 90, 195, true},
           {"Label3", &form.Label3, 1800, 5280, 435, 195, true},
           {"k", &form.k, 1320, 5280, 90, 195, true},
           {"Label2", &form.Label2, 960, 5280, 345, 195, true},
           {"Label1", &form.Label1, 120, 5280, 330, 195, true},
           {"l", &form.l, 480, 5280, 90, 195, true},
           {"c(0)", &form.c(0), 0, 3480, 270, 300, true},
           {"f", &form.f, 0, 4440, 30, 45, false},
           {"p", &form.p, 1080, 4680, 570, 360, true},
           {"b(0)", &form.b(0), 480, 3000, 270, 300, true},
       }) {
    ExpectPlacement(expected);
  }
  EXPECT_EQ(form.c(0).Picture, &assets::OvalTarget());
  EXPECT_EQ(form.b(0).Picture, &assets::SquareTarget());
  EXPECT_EQ(form.p.Picture, &assets::Cannon());
  EXPECT_EQ(form.f.Picture, &assets::Shot());
}

TEST(FormLoadTest, CompletesBothRowsOfThreeVisibleTargets) {
  Form1 form;
  Form_Load(form);
  struct Row {
    const char* name;
    forms::ControlArray<forms::Image>* targets;
    std::vector<float> lefts;
    float top;
  };
  for (const Row& row : std::vector<Row>{{"c", &form.c, {0, 1350, 2700}, 3480},
                                         {"b", &form.b, {480, 1830, 3180}, 3000}}) {
    EXPECT_EQ(row.targets->Elements().size(), 3u) << row.name;
    EXPECT_FALSE(row.targets->Exists(3)) << row.name;
    for (int i = 0; i < 3; ++i) {
      const forms::Image& target = (*row.targets)(i);
      EXPECT_EQ(target.Left, row.lefts[static_cast<std::size_t>(i)]) << row.name << i;
      EXPECT_EQ(target.Top, row.top) << row.name << i;
      EXPECT_EQ(target.Width, 270) << row.name << i;
      EXPECT_EQ(target.Height, 300) << row.name << i;
      EXPECT_TRUE(target.Visible) << row.name << i;
      EXPECT_EQ(target.Picture, (*row.targets)(0).Picture) << row.name << i;
    }
  }
}

TEST(FormLoadTest, ARowFollowsItsFirstTarget) {
  Form1 form;
  form.c(0).Left = 500;
  form.b(0).Left = -1000;
  form.b(0).Top = 100;
  Form_Load(form);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(form.c(i).Left, 500 + 1350 * i);
    EXPECT_EQ(form.b(i).Left, -1000 + 1350 * i);
    EXPECT_EQ(form.b(i).Top, 100);
  }
}

}  // namespace
}  // namespace playfield
