#include "qt/top_level_windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <thread>

#include "qt/drawn_frame.h"

namespace qt {

struct TopLevelWindows::Window {
  QPointer<QWidget> content;
  QPointer<QWidget> window;  // the frame, or the content where the desktop frames it
  std::function<void()> closed;
  std::unique_ptr<QObject> context = std::make_unique<QObject>();
  bool going = false;
  enum class State { Shown, Hiding, Hidden, Settled } state = State::Shown;
  QDeadlineTimer settled;
};

TopLevelWindows::TopLevelWindows(Frames frames, wayland::Ending ending)
    : frames_(frames), ending_(ending) {}

// What is left goes too, each once settled.
TopLevelWindows::~TopLevelWindows() {
  for (const auto& window : windows_) {
    window->going = true;
  }
  DeleteGoneWindows();
}

TopLevelWindows::Window* TopLevelWindows::Find(const QObject* widget) {
  const auto found = std::find_if(windows_.begin(), windows_.end(), [widget](const auto& w) {
    return w->content == widget || w->window == widget;
  });
  return found == windows_.end() ? nullptr : found->get();
}

QObject& TopLevelWindows::Adopt(QWidget& content, std::function<void()> closed) {
  auto record = std::make_unique<Window>();
  record->content = &content;
  record->window = frames_ == Frames::Own ? &DrawnFrame::Around(content) : &content;
  record->closed = std::move(closed);
  record->window->installEventFilter(this);
  connect(record->window, &QObject::destroyed, this, [this](QObject* gone) {
    std::erase_if(windows_,
                  [gone](const auto& w) { return w->window == gone || w->window.isNull(); });
  });
  windows_.push_back(std::move(record));
  return *windows_.back()->context;
}

void TopLevelWindows::Present(QWidget& content) {
  Window* record = Find(&content);
  if (record == nullptr || record->going) {
    return;
  }
  record->window->show();
  record->window->raise();
  record->window->activateWindow();
}

void TopLevelWindows::Close(QWidget& content) {
  if (Window* record = Find(&content)) {
    QCloseEvent close;
    eventFilter(record->window, &close);
  }
}

// Reported once, and never to a window that goes.
bool TopLevelWindows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close) {
    return false;
  }
  event->ignore();
  Window* record = Find(watched);
  if (record != nullptr && record->state == Window::State::Shown && !record->going) {
    Hide(*record);
    const std::function<void()> closed = std::move(record->closed);
    if (closed) {
      closed();  // may dispose of the window
    }
  }
  return true;
}

void TopLevelWindows::Dispose(QWidget& content) {
  Window* record = Find(&content);
  if (record == nullptr || record->going) {
    return;
  }
  record->going = true;
  record->closed = nullptr;
  record->context.reset();  // the game's connections go with it
  if (record->state == Window::State::Shown) {
    Hide(*record);
  } else if (record->state == Window::State::Settled) {
    record->window->deleteLater();
  }
}

void TopLevelWindows::Hide(Window& window) {
  window.state = Window::State::Hiding;
  window.window->setEnabled(false);
  QPointer<QWidget> widget = window.window;
  wayland::AfterLastFrame(*window.window, ending_.lastFrameWait, [this, widget] {
    if (Window* record = widget.isNull() ? nullptr : Find(widget)) {
      Hidden(*record);
    }
  });
}

void TopLevelWindows::Hidden(Window& window) {
  window.window->hide();
  window.state = Window::State::Hidden;
  window.settled = QDeadlineTimer(ending_.settling);
  if (ending_.settling.count() == 0) {
    Settled(window);
    return;
  }
  QPointer<QWidget> widget = window.window;
  QTimer::singleShot(ending_.settling, this, [this, widget] {
    if (Window* record = widget.isNull() ? nullptr : Find(widget)) {
      Settled(*record);
    }
  });
}

void TopLevelWindows::Settled(Window& window) {
  window.state = Window::State::Settled;
  if (window.going) {
    window.window->deleteLater();
  }
  QuitIfSettled();
}

void TopLevelWindows::RunModal(QDialog& box) {
  QEventLoop answer;
  connect(&box, &QDialog::finished, &answer, &QEventLoop::quit);
  Adopt(box, [&box] { box.reject(); });
  Window& record = *Find(&box);
  record.window->setWindowModality(Qt::ApplicationModal);
  Present(box);
  answer.exec();
  Dispose(box);
}

void TopLevelWindows::QuitOnceSettled(int status) {
  quitStatus_ = status;
  for (const auto& window : windows_) {
    if (window->state == Window::State::Shown) {
      Hide(*window);
    }
  }
  QuitIfSettled();
}

void TopLevelWindows::QuitIfSettled() {
  const bool settled = std::all_of(windows_.begin(), windows_.end(), [](const auto& w) {
    return w->window.isNull() || w->state == Window::State::Settled;
  });
  if (quitStatus_ && settled) {
    QCoreApplication::exit(*quitStatus_);
  }
}

void TopLevelWindows::DeleteGoneWindows() {
  std::vector<QPointer<QWidget>> gone;
  for (const auto& window : windows_) {
    if (window->going && !window->window.isNull()) {
      if (window->state < Window::State::Hidden) {
        window->window->hide();
        window->settled = QDeadlineTimer(ending_.settling);
      }
      std::this_thread::sleep_for(window->settled.remainingTimeAsDuration());
      gone.push_back(window->window);
    }
  }
  for (const QPointer<QWidget>& window : gone) {
    delete window.data();  // QPointer: a frame's deletion took its content already
  }
}

}  // namespace qt
