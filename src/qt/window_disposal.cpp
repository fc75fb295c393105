#include "qt/window_disposal.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <thread>
#include <vector>

namespace qt {
namespace {

// Far longer than the thread takes to handle a callback, even on a busy machine.
constexpr std::chrono::milliseconds kWaylandSettlingTime{200};

struct WaitingWindow {
  QPointer<QWidget> window;
  QDeadlineTimer settled;
};

std::vector<WaitingWindow>& Waiting() {
  static std::vector<WaitingWindow> waiting;
  return waiting;
}

}  // namespace

std::chrono::milliseconds SettlingTime() {
  return QGuiApplication::platformName() == QLatin1String("wayland") ? kWaylandSettlingTime
                                                                     : std::chrono::milliseconds(0);
}

void DisposeWindow(QWidget& window, std::chrono::milliseconds settling) {
  window.hide();
  std::vector<WaitingWindow>& waiting = Waiting();
  std::erase_if(waiting, [](const WaitingWindow& w) { return w.window.isNull(); });
  waiting.push_back({&window, QDeadlineTimer(settling)});
  QTimer::singleShot(settling, &window, &QObject::deleteLater);
}

void DisposeWaitingWindows() {
  for (const WaitingWindow& w : Waiting()) {
    if (!w.window.isNull()) {
      std::this_thread::sleep_for(w.settled.remainingTimeAsDuration());
      delete w.window.data();
    }
  }
  Waiting().clear();
}

}  // namespace qt
