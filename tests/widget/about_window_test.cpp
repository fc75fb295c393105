#include <gtest/gtest.h>

#include <QApplication>

#include "harness.h"

namespace {

struct AboutOpen : StartedGame {
  QWidget* Caption() { return const_cast<qt::LabelWidget*>(Window().WidgetOf(form.Label4)); }
  qt::AboutWindow& ClickAbout() {
    QTest::mouseClick(Caption(), Qt::LeftButton);
    EXPECT_NE(game.AboutWindow(), nullptr);
    qt::AboutWindow* window = host.AboutWidget();
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
  qt::AboutWindow& about = game.ClickAbout();
  EXPECT_EQ(&game.ClickAbout(), &about) << "a second click only brings it to the front";
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
  EXPECT_EQ(about.windowTitle(), "About vexal");
  EXPECT_TRUE(about.windowType() == Qt::Window && about.parentWidget() == nullptr) << "no owner";
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_FALSE(about.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(about.focusWidget(), &about.OkButton());
  ExpectGolden(about.grab().toImage(), "about");
}

// Only a left click on the About caption opens the About window: not one on another label, not
// one of another button, and not a release alone after such a click.
TEST(AboutWindowTest, OnlyALeftClickOnTheCaptionOpensIt) {
  AboutOpen game;
  for (const forms::Label* label : game.form.Labels()) {
    auto* widget = const_cast<qt::LabelWidget*>(game.Window().WidgetOf(*label));
    QTest::mouseClick(widget, label == &game.form.Label4 ? Qt::RightButton : Qt::LeftButton);
    EXPECT_EQ(game.game.AboutWindow(), nullptr) << label->Caption();
  }
  QTest::mouseRelease(game.Caption(), Qt::LeftButton);
  EXPECT_EQ(game.game.AboutWindow(), nullptr) << "a release alone is no click";
  game.ClickAbout();
}

TEST(AboutWindowTest, OkEnterAndEscResumeTheGameAndUnload) {
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    AboutOpen game;
    game.ClickAbout();
    game.Key(key);
    EXPECT_EQ(game.form.Timer1.Interval(), 1) << key;
    EXPECT_EQ(game.game.AboutWindow(), nullptr) << key;
    EXPECT_EQ(game.ClickAbout().windowTitle(), "About vexal") << "made anew";
  }
}

TEST(AboutWindowTest, TabThenEnterAndAltSReachSystemInfo) {
  AboutOpen game;
  qt::AboutWindow& about = game.ClickAbout();
  game.Key(Qt::Key_Tab);
  EXPECT_EQ(about.focusWidget(), &about.SysInfoButton());
  game.Key(Qt::Key_Return);
  EXPECT_EQ(game.services.recorded.shown.size(), 1u);
  game.Key(Qt::Key_S, Qt::AltModifier);
  // An access key presses its button as a short animated click.
  for (int waited = 0; game.services.recorded.shown.size() < 2 && waited < 3000; waited += 10) {
    QTest::qWait(10);
  }
  EXPECT_EQ(game.services.recorded.shown.size(), 2u);
  EXPECT_EQ(game.host.AboutWidget(), &about) << "the About window stays open";
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
}

// The game ends with its last window: once the main window has closed, OK closes the About
// window and ends the game with status 0, and leaves the closed main form alone.
TEST(AboutWindowTest, AfterTheMainWindowOkEndsTheGame) {
  AboutOpen game;
  qt::AboutWindow& about = game.ClickAbout();
  game.Window().close();
  EXPECT_TRUE(game.host.quits.empty());
  about.OkButton().click();
  EXPECT_EQ(game.host.quits, std::vector<int>{0});
  EXPECT_EQ(game.form.Timer1.Interval(), 0);
}

}  // namespace
