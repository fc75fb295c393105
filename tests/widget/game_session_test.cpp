#include <gtest/gtest.h>

#include <QTest>

#include "assets/pictures.h"
#include "forms/twips.h"
#include "grab_checks.h"
#include "started_game.h"

namespace {

TEST(GameSessionTest, RealKeyEventsMoveTheCannonAndFire) {
  StartedGame started;
  started.form.Timer1.SetInterval(0);  // keys work while the game stands still
  QWidget& window = started.game.Window();
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    float cannonLeft;
  };
  for (const Case& test : std::vector<Case>{{Qt::Key_4, Qt::NoModifier, 980},
                                            {Qt::Key_4, Qt::KeypadModifier, 880},
                                            {Qt::Key_6, Qt::KeypadModifier, 980},
                                            {Qt::Key_5, Qt::NoModifier, 980},
                                            {Qt::Key_Right, Qt::NoModifier, 980}}) {
    QTest::keyClick(&window, test.key, test.modifiers);
    EXPECT_EQ(started.form.p.Left, test.cannonLeft) << test.key;
  }
  ExpectPictureAt(window.grab().toImage(), assets::Cannon(), {65, 312}, "cannon after keys");

  QTest::keyClick(&window, Qt::Key_Space);
  EXPECT_TRUE(started.form.f.Visible);
  EXPECT_EQ(started.form.f.Left, 1220);
  EXPECT_EQ(started.form.f.Top, -35430);
}

TEST(GameSessionTest, TicksFromTheTimerMoveTheTargetsOnTheNextDrawing) {
  StartedGame started;
  const float startLeft = started.form.c(0).Left;
  for (int waited = 0; started.form.c(0).Left < startLeft + 300 && waited < 3000; waited += 10) {
    QTest::qWait(10);
  }
  const forms::Image& oval = started.form.c(0);
  ASSERT_GE(oval.Left, startLeft + 300);
  ExpectPictureAt(started.game.Window().grab().toImage(), assets::OvalTarget(),
                  {forms::TwipsToPixels(oval.Left), forms::TwipsToPixels(oval.Top)},
                  "the oval where the ticks took it");
}

}  // namespace
