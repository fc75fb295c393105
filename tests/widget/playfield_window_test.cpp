#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <tuple>

#include "harness.h"
#include "qt/toolkit_environment.h"

namespace {

TEST(PlayfieldWindowTest, TheFirstScreenAndALargerWindowOfIt) {
  StartedGame started(false);
  QWidget& window = started.Window();
  EXPECT_EQ(window.windowTitle(), "Game");
  EXPECT_FALSE(window.windowFlags() &
               (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  ExpectGolden(started.Grab(), "start");
  ExpectGolden(window.windowIcon().pixmap(32, 32).toImage(), "icon");

  // More black field, and b(2), which starts right of the field, shows there.
  window.resize(400, 600);
  ExpectGolden(started.Grab(), "larger");
}

// Counters at five digits stay apart; the shot is drawn over a target; a hit target is gone.
TEST(PlayfieldWindowTest, AGameInPlay) {
  StartedGame started(false);
  playfield::Form1& form = started.form;
  for (forms::Label* counter : {&form.l, &form.k, &form.aa}) {
    counter->SetCaption("99999");
  }
  static_cast<forms::Control&>(form.f) = {.Left = 120, .Top = 3510, .Width = 30, .Height = 45};
  form.b(1).Visible = false;
  form.p.Left = 2580;
  started.Window().ShowModel();
  ExpectGolden(started.Grab(), "play");
}

// What the desktop's environment already says is kept; where it names no session bus, the
// game takes the one in the desktop's runtime folder.
TEST(ToolkitEnvironmentTest, TheDesktopsSettingsAreKept) {
  const std::vector<std::tuple<const char*, const char*, const char*, const char*>> cases = {
      {nullptr, "/run/a", nullptr, "unix:path=/run/a/bus"},
      {"unix:path=/b", "/run/a", "0", "unix:path=/b"}};  // bus, runtime folder, a frame setting
  for (const auto& [bus, runtime, frames, expected] : cases) {
    for (const auto& [name, value] : {std::pair{"DBUS_SESSION_BUS_ADDRESS", bus},
                                      {"XDG_RUNTIME_DIR", runtime},
                                      {"QT_XCB_NO_MITSHM", frames},
                                      {"QT_NO_GLIB", frames}}) {
      value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    qt::UseOnlyTheDesktopsSessionBus();
    qt::ChooseCheapFrames();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), expected);
    EXPECT_STREQ(std::getenv("QT_XCB_NO_MITSHM"), frames != nullptr ? frames : "1");
    EXPECT_STREQ(std::getenv("QT_NO_GLIB"), frames != nullptr ? frames : "1");
  }
}

// Ticks come every 15 ms however short the interval, and stop at 0.
TEST(QtHostTest, TheTimerFollowsTheModelInterval) {
  StartedGame started;
  std::vector<int> periods;
  for (const int interval : {1, 0, 100}) {
    started.form.Timer1.SetInterval(interval);
    periods.push_back(started.host.TickPeriodMs());
  }
  EXPECT_EQ(periods, (std::vector<int>{15, 0, 100}));
}

// An error that no handler traps is reported in a box titled with the application's name, and
// ends the event loop, whose status main() returns, with a failure.
TEST(ErrorReportTest, AnUntrappedErrorIsReportedAndEndsTheProgramWithAFailure) {
  qt::TopLevelWindows windows(qt::Frames::Desktop, {});
  qt::QtHost host(windows);
  fakes::Services services;
  app::Game game(host, services.host);
  game.Form().k.SetCaption("x");  // the first escape cannot be counted
  ASSERT_TRUE(game.Start());
  QString report = "no box";
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      report = box->windowTitle() + "|" + box->text();
      box->button(QMessageBox::Ok)->click();
    }
  });
  answer.start(10);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // rather than hang
  EXPECT_EQ(QApplication::exec(), 1);
  EXPECT_EQ(report, "vexal|Run-time error '13':\n\nType mismatch");
}

}  // namespace
