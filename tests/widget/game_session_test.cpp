#include <gtest/gtest.h>

#include "harness.h"

namespace {

// Keys reach the game as the characters they type, keypad digits included; an Alt chord types
// none.
TEST(GameSessionTest, RealKeyEventsMoveTheCannonAndFire) {
  StartedGame started(false);
  QWidget& window = started.Window();
  const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, float>> cases = {
      {Qt::Key_4, Qt::NoModifier, 980},     {Qt::Key_4, Qt::KeypadModifier, 880},
      {Qt::Key_6, Qt::KeypadModifier, 980}, {Qt::Key_5, Qt::NoModifier, 980},
      {Qt::Key_4, Qt::AltModifier, 980},    {Qt::Key_Right, Qt::NoModifier, 980}};
  for (const auto& [key, modifiers, cannonLeft] : cases) {
    QTest::keyClick(&window, key, modifiers);
    EXPECT_EQ(started.form.p.Left, cannonLeft) << key;
  }
  QTest::keyClick(&window, Qt::Key_Space);
  EXPECT_TRUE(started.form.f.Visible && started.form.f.Left == 1220) << "fired from the cannon";
}

TEST(GameSessionTest, TicksFromTheTimerMoveTheTargetsOnTheNextDrawing) {
  StartedGame started;
  const forms::Image& oval = started.form.c(0);
  for (int waited = 0; oval.Left < 300 && waited < 3000; waited += 10) {
    QTest::qWait(10);
  }
  started.form.Timer1.SetInterval(0);
  ASSERT_GE(oval.Left, 300);
  const QImage shot = started.Grab();
  // Fifteen twips to the pixel.
  const QPoint left(static_cast<int>(oval.Left) / 15, static_cast<int>(oval.Top) / 15 + 10);
  EXPECT_EQ(shot.pixel(left + QPoint(9, 0)), 0xFF00FF00u) << "the oval where the ticks took it";
  EXPECT_EQ(shot.pixel(left - QPoint(1, 0)), 0xFF000000u);
}

}  // namespace
