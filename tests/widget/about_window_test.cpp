#include <gtest/gtest.h>

#include <QApplication>

#include "harness.h"

namespace {

struct AboutOpen : StartedGame {
  QWidget* Caption() { return const_cast<view::LabelWidget*>(game.Window().WidgetOf(form.Label4)); }
  view::AboutWindow& ClickAbout() {
    QTest::mouseClick(Caption(), Qt::LeftButton);
    view::AboutWindow* window = game.About().Window();
    EXPECT_NE(window, nullptr);
    (void)QTest::qWaitForWindowActive(window);
    return *window;
  }
  // Keys go where the platform sends them: to the widget that has the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
};

TEST(AboutWindowTest, OpensOnceAsAFixedWhiteTopLevelWindowAndPausesTheGame) {
  AboutOpen game;
  QTest::mouseRelease(game.Caption(), Qt::LeftButton);
  EXPECT_EQ(game.game.About().Window(), nullptr) << "a release alone is no click";
  view::AboutWindow& about = game.ClickAbout();
  EXPECT_EQ(&game.ClickAbout(), &about) << "a second click only brings it to the front";
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
  EXPECT_EQ(about.windowTitle(), "About vexal");
  EXPECT_TRUE(about.windowType() == Qt::Window && about.parentWidget() == nullptr) << "no owner";
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_FALSE(about.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(about.focusWidget(), &about.OkButton());
  ExpectGolden(about.grab().toImage(), "about");
}

TEST(AboutWindowTest, OkEnterAndEscResumeTheGameAndUnload) {
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    AboutOpen game;
    game.ClickAbout();
    game.Key(key);
    EXPECT_EQ(game.form.Timer1.Interval(), 1) << key;
    EXPECT_EQ(game.game.About().Window(), nullptr) << key;
    EXPECT_EQ(game.ClickAbout().windowTitle(), "About vexal") << "made anew";
  }
}

TEST(AboutWindowTest, TabThenEnterAndAltSReachSystemInfo) {
  AboutOpen game;
  view::AboutWindow& about = game.ClickAbout();
  game.Key(Qt::Key_Tab);
  EXPECT_EQ(about.focusWidget(), &about.SysInfoButton());
  game.Key(Qt::Key_Return);
  EXPECT_EQ(game.services.recorded.shown.size(), 1u);
  game.Key(Qt::Key_S, Qt::AltModifier);
  QTest::qWait(300);  // an access key presses its button as a short animated click
  EXPECT_EQ(game.services.recorded.shown.size(), 2u);
  EXPECT_EQ(game.game.About().Window(), &about) << "the About window stays open";
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
}

}  // namespace
