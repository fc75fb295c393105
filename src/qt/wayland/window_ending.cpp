#include <QEvent>
#include <QLibraryInfo>
#include <QTimer>
#include <QVersionNumber>
#include <QWindow>

#include "qt/wayland/wayland.h"

// Qt's Wayland client takes the compositor's answers to a window's frames on a thread of its own.
// Two faults of that thread meet a window that goes (both read in qtwayland's sources):
//
// 1. Hidden while the thread takes an answer, a window destroys the answer's wl_callback a second
//    time, and libwayland aborts (QWaylandWindow::reset without the frame lock). Mended in Qt 6.4.3
//    ("Fix frame sync related to unprotected multithread access"). Below it a window hides only
//    once the compositor has answered its last frame.
// 2. Deleted then, a window is used after its end: the thread may be inside the answer's listener,
//    waiting for a lock of the window's own. Not mended as of Qt 6.8.0, so on every version a
//    window is deleted only a while after it hid, when the thread is surely done with it.
//
// A third, the compositor's close delivered in the middle of a paint (the shm backing store reads
// events while it waits for a free buffer, and Qt's close would end the native window under the
// paint), is not mended as of Qt 6.8.0 either: the host never leaves a close to Qt, everywhere.
namespace qt::wayland {
namespace {

// Far longer than the thread takes to handle an answer, even on a busy machine.
constexpr std::chrono::milliseconds kSettling{200};
// A compositor does not answer the frames of a window that it does not show.
constexpr std::chrono::milliseconds kLastFrameWait{500};

bool HidingRacesTheFrameThread() {
  return QLibraryInfo::version() < QVersionNumber(6, 4, 3);
}

// Calls back on the window's next update request, which comes only once the compositor has
// answered its last frame (no new frame is drawn meanwhile), or when the wait is over.
class LastFrame : public QObject {
 public:
  LastFrame(QWindow& native, std::chrono::milliseconds wait, std::function<void()> answered)
      : QObject(&native), answered_(std::move(answered)) {
    native.installEventFilter(this);
    native.requestUpdate();
    QTimer::singleShot(wait, this, &LastFrame::Answered);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) {
      Answered();
    }
    return false;
  }

 private:
  void Answered() {
    const std::function<void()> answered = std::move(answered_);
    deleteLater();
    if (answered) {
      answered();
    }
  }

  std::function<void()> answered_;
};

}  // namespace

Ending WindowEnding() {
  if (!Running()) {
    return {};
  }
  return {HidingRacesTheFrameThread() ? kLastFrameWait : std::chrono::milliseconds(0), kSettling};
}

void AfterLastFrame(QWidget& window, std::chrono::milliseconds wait,
                    const std::function<void()>& answered) {
  window.setUpdatesEnabled(false);
  QWindow* native = window.windowHandle();
  if (wait.count() == 0 || native == nullptr || !window.isVisible()) {
    answered();
    return;
  }
  new LastFrame(*native, wait, answered);
}

}  // namespace qt::wayland
