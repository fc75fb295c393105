#include <gtest/gtest.h>
#include <qpa/qplatformbackingstore.h>

#include <QBackingStore>
#include <QPaintEvent>

#include "harness.h"

namespace {

// Run at device pixel ratios 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR). What the window's backing
// store holds is what the screen shows: after every step, what the partial repaints left there
// must equal a repaint of the whole window, device pixel for device pixel.
struct RepaintWatch : QObject {
  explicit RepaintWatch(QWidget& watched) : window(watched) {
    QList<QWidget*> widgets = watched.findChildren<QWidget*>();
    for (QWidget* widget : widgets << &watched) {
      widget->installEventFilter(this);
    }
  }
  // What the window painted, and what it left to the next frame. A copy: the store paints on
  // into the same pixels.
  QImage Shown() {
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &request);
    return window.backingStore()->handle()->toImage().copy();
  }
  QImage Repainted() {  // the whole window
    window.update();
    return Shown();
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* widget = static_cast<QWidget*>(object);
      painted +=
          static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(&window, QPoint()));
    }
    return false;
  }
  qint64 PaintedArea() const {
    qint64 area = 0;
    for (const QRect& rect : painted) {
      area += static_cast<qint64>(rect.width()) * rect.height();
    }
    return area;
  }
  QWidget& window;
  QRegion painted;
};

// Each character a step: t a tick, anything else typed. Ticks carry the targets across the
// right bound, which counts losses; the cannon moves both ways and fires; 5 changes nothing.
TEST(PartialRepaintTest, EveryStepShowsWhatAWholeRepaintShows) {
  StartedGame started(false);
  RepaintWatch watch(started.Window());
  watch.Repainted();
  const std::string steps = "t4t4t 6t6t6t5tt tt6t 4tttttt tttt ttttttttttt4t4t4tt tt tt";
  const qint64 quarter = started.Window().width() * started.Window().height() / 4;
  for (std::size_t step = 0; step < steps.size(); ++step) {
    const auto counters = [&form = started.form] { return form.l.Caption() + form.k.Caption(); };
    const std::string before = counters();
    watch.painted = {};
    steps[step] == 't' ? started.game.Tick() : started.game.KeyTyped(steps[step]);
    const QImage shown = watch.Shown();
    if (steps[step] == 't' && before == counters()) {
      EXPECT_LT(watch.PaintedArea(), quarter) << "tick " << step;
    }
    EXPECT_TRUE(steps[step] != '5' || watch.PaintedArea() == 0) << "nothing changed";
    EXPECT_TRUE(shown == watch.Repainted()) << "step " << step << " '" << steps[step] << "'";
  }
  EXPECT_NE(started.form.k.Caption(), "0") << "the steps count losses";

  started.form.Timer1.SetInterval(1);
  watch.painted = {};
  started.game.AboutClicked();  // pauses: nothing to repaint, no timer
  watch.Shown();
  EXPECT_EQ(watch.PaintedArea(), 0);
  EXPECT_EQ(started.host.TickPeriodMs(), 0);
}

}  // namespace
