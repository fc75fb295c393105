#include "qt/window_disposal.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <thread>
#include <vector>

namespace qt {
namespace {

// Far longer than the thread takes to handle an answer, even on a busy machine.
constexpr std::chrono::milliseconds kWaylandSettlingTime{200};
// A compositor does not answer the frames of a window that it does not show: not waited for longer.
constexpr std::chrono::milliseconds kLastFrameWait{500};

// How a top-level window ends: it hides once the compositor has answered its last frame (the next
// update request comes after that answer, as no new frame is drawn meanwhile), and if disposed
// of, is deleted once settled after that.
class WindowEnd : public QObject {
  Q_OBJECT

 public:
  static WindowEnd& Of(QWidget& window, std::chrono::milliseconds settling) {
    WindowEnd* end = window.findChild<WindowEnd*>(QString(), Qt::FindDirectChildrenOnly);
    return end != nullptr ? *end : *new WindowEnd(window, settling);
  }

  void Hide() {
    if (hiding_) {
      return;
    }
    hiding_ = true;
    QWindow* native = window_.windowHandle();
    if (settling_.count() == 0 || native == nullptr || !window_.isVisible()) {
      Hidden();
      return;
    }
    window_.setUpdatesEnabled(false);
    native->installEventFilter(this);
    native->requestUpdate();
    QTimer::singleShot(kLastFrameWait, this, &WindowEnd::Hidden);
  }

  void Dispose() {
    disposed_ = true;
    if (hidden_) {
      DeleteOnceSettled();
    } else {
      Hide();
    }
  }

  // Before the application ends, when no update request comes any more.
  void DeleteNow() {
    Hidden();
    std::this_thread::sleep_for(settled_.remainingTimeAsDuration());
    delete &window_;
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) {
      Hidden();
    }
    return false;
  }

 private:
  WindowEnd(QWidget& window, std::chrono::milliseconds settling)
      : QObject(&window), window_(window), settling_(settling) {}

  void Hidden() {
    if (hidden_) {
      return;
    }
    hidden_ = true;
    if (QWindow* native = window_.windowHandle()) {
      native->removeEventFilter(this);
    }
    window_.hide();
    window_.setUpdatesEnabled(true);
    settled_ = QDeadlineTimer(settling_);
    if (disposed_) {
      DeleteOnceSettled();
    }
  }

  void DeleteOnceSettled() { QTimer::singleShot(settling_, &window_, &QObject::deleteLater); }

  QWidget& window_;
  const std::chrono::milliseconds settling_;
  bool hiding_ = false;
  bool hidden_ = false;
  bool disposed_ = false;
  QDeadlineTimer settled_;
};

std::vector<QPointer<QWidget>>& Waiting() {
  static std::vector<QPointer<QWidget>> waiting;
  return waiting;
}

}  // namespace

std::chrono::milliseconds SettlingTime() {
  return QGuiApplication::platformName() == QLatin1String("wayland") ? kWaylandSettlingTime
                                                                     : std::chrono::milliseconds(0);
}

void HideWindow(QWidget& window, std::chrono::milliseconds settling) {
  WindowEnd::Of(window, settling).Hide();
}

void DisposeWindow(QWidget& window, std::chrono::milliseconds settling) {
  std::vector<QPointer<QWidget>>& waiting = Waiting();
  std::erase_if(waiting, [](const QPointer<QWidget>& w) { return w.isNull(); });
  waiting.emplace_back(&window);
  WindowEnd::Of(window, settling).Dispose();
}

void DisposeWaitingWindows() {
  for (const QPointer<QWidget>& window : Waiting()) {
    if (!window.isNull()) {
      WindowEnd::Of(*window, SettlingTime()).DeleteNow();
    }
  }
  Waiting().clear();
}

void CloseByHiding(QWidget& window, QCloseEvent& event) {
  if (event.isAccepted() && window.isWindow()) {
    HideWindow(window);
    event.ignore();
  }
}

}  // namespace qt

#include "window_disposal.moc"
