#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "harness.h"

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

TEST(ErrorReportTest, NamesTheErrorInABoxTitledWithTheApplication) {
  QString report;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    report = box == nullptr ? "no box" : box->windowTitle() + "|" + box->text();
    // Without a box the wait ends rather than hang.
    box != nullptr ? box->button(QMessageBox::Ok)->click() : QCoreApplication::exit();
  });
  qt::QtHost().ReportError(forms::errors::ElementDoesNotExist(3));
  EXPECT_EQ(report, "vexal|Run-time error '340':\n\nControl array element '3' doesn't exist");
}

}  // namespace
