// The yardstick for the cost of play: a bare Qt window of the game's size that repaints its
// whole area on the game's tick period, and does nothing else.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "app/host.h"

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent* /*event*/) override { QPainter(this).fillRect(rect(), Qt::black); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWindow window;
  window.setWindowTitle("Bare");
  window.resize(208, 400);
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &window, qOverload<>(&QWidget::update));
  timer.start(app::kShortestTickMs);
  window.show();
  return QApplication::exec();
}
