#include <gtest/gtest.h>

#include <QApplication>

#include "started_game.h"

namespace {

struct AboutOpen : StartedGame {
  view::AboutWindow& ClickAbout() {
    QTest::mouseClick(const_cast<view::LabelWidget*>(game.Window().WidgetOf(form.Label4)),
                      Qt::LeftButton);
    view::AboutWindow* window = game.About().Window();
    EXPECT_NE(window, nullptr);
    (void)QTest::qWaitForWindowActive(window);
    return *window;
  }
  int AboutWindowsShown() const {
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      shown += qobject_cast<view::AboutWindow*>(window) != nullptr && window->isVisible();
    }
    return shown;
  }
};

TEST(AboutWindowTest, OpensOnceAsAFixedWhiteWindowAndPausesTheGame) {
  AboutOpen game;
  view::AboutWindow& about = game.ClickAbout();
  EXPECT_EQ(&game.ClickAbout(), &about) << "a second click only brings it to the front";
  EXPECT_EQ(game.AboutWindowsShown(), 1);
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
  EXPECT_EQ(about.windowTitle(), "About vexal");
  EXPECT_EQ(about.size(), QSize(351, 150));
  EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";
  EXPECT_FALSE(about.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(about.parentWidget(), nullptr) << "no owner";
  EXPECT_EQ(about.focusWidget(), &about.OkButton());
  EXPECT_EQ(about.SysInfoButton().text(), "&System Info...");

  const QImage shot = about.grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 255, 255));
  EXPECT_NE(shot.pixelColor(288 + 27, 40 + 5), QColor(255, 255, 255)) << "the picture";
}

TEST(AboutWindowTest, OkEnterAndEscResumeTheGameAndUnload) {
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    AboutOpen game;
    view::AboutWindow& about = game.ClickAbout();
    QTest::keyClick(about.focusWidget(), key);
    EXPECT_EQ(game.form.Timer1.Interval(), 1) << key;
    EXPECT_EQ(game.game.About().Window(), nullptr) << key;
    EXPECT_EQ(game.ClickAbout().windowTitle(), "About vexal") << "made anew";
  }
}

TEST(AboutWindowTest, ClosedAnyOtherWayTheGameStaysPaused) {
  AboutOpen game;
  game.ClickAbout().close();
  EXPECT_EQ(game.game.About().Window(), nullptr);
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
  QTest::keyClick(&game.game.Window(), Qt::Key_6);
  EXPECT_EQ(game.form.p.Left, 1180) << "the cannon still moves";
}

TEST(AboutWindowTest, TabThenEnterAndAltSReachSystemInfo) {
  AboutOpen game;
  view::AboutWindow& about = game.ClickAbout();
  QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(about.focusWidget(), &about.SysInfoButton());
  QTest::keyClick(about.focusWidget(), Qt::Key_Return);
  EXPECT_EQ(game.services.messages.shown.size(), 1u);
  QTest::keyClick(about.focusWidget(), Qt::Key_S, Qt::AltModifier);
  QTest::qWait(300);  // an access key presses its button as a short animated click
  EXPECT_EQ(game.services.messages.shown.size(), 2u);
  EXPECT_EQ(game.game.About().Window(), &about) << "the About window stays open";
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
}

TEST(AboutWindowTest, OkAfterTheMainWindowClosedOnlyClosesTheAboutWindow) {
  AboutOpen game;
  view::AboutWindow& about = game.ClickAbout();
  game.game.Window().close();
  EXPECT_TRUE(about.isVisible());
  about.OkButton().click();
  EXPECT_EQ(game.game.About().Window(), nullptr);
  EXPECT_EQ(game.form.Timer1.Interval(), 0) << "the closed main form is left alone";
  EXPECT_FALSE(game.game.Window().isVisible());
}

}  // namespace
