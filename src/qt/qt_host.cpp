#include "qt/qt_host.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "forms/app.h"
#include "qt/drawn_frame.h"
#include "qt/window_disposal.h"

namespace qt {
namespace {

// A window shown, closed and stacked whole: with the frame of the program's own where it has one.
void Raise(QWidget& widget) {
  QWidget& window = *widget.window();
  window.show();
  window.raise();
  window.activateWindow();
}

void Close(QWidget& widget) {
  widget.window()->close();
}

// The main window goes with the game, never in the middle of one of its own events.
class MainWindow : public app::FormWindow {
 public:
  MainWindow(playfield::Form1& form, bool framed) : widget_(new PlayfieldWindow(form)) {
    if (framed) {
      DrawnFrame::Around(*widget_);
    }
  }
  // Its widgets show the game's model, which goes next: so it is deleted now, once settled.
  ~MainWindow() override {
    DisposeWindow(*widget_->window());
    DisposeWaitingWindows();
  }
  void ShowModel() override { widget_->ShowModel(); }
  void Present() override { Raise(*widget_); }
  void Close() override { qt::Close(*widget_); }
  PlayfieldWindow* Widget() { return widget_; }

 private:
  PlayfieldWindow* widget_;  // in its frame, if any
};

// The About window may go in the middle of its own close or of a click on its OK button: it is
// disposed of, so deleted once that event is over. It owns its form, which goes with it.
class AboutFormWindow : public app::AboutFormWindow {
 public:
  explicit AboutFormWindow(bool framed) : widget_(new AboutWindow()) {
    if (framed) {
      DrawnFrame::Around(*widget_);
    }
  }
  ~AboutFormWindow() override { DisposeWindow(*widget_->window()); }
  about::frmAbout& Form() override { return widget_->Model(); }
  void ShowModel() override { widget_->ShowModel(); }
  void Present() override { Raise(*widget_); }
  void Close() override { qt::Close(*widget_); }
  AboutWindow* Widget() { return widget_; }

 private:
  AboutWindow* widget_;
};

}  // namespace

QtHost::QtHost(bool drawnFrames) : drawnFrames_(drawnFrames) {
  ticks_.setTimerType(Qt::PreciseTimer);  // steady ticks at the game's pace
}

// The windows of the game that went are deleted now.
QtHost::~QtHost() {
  DisposeWaitingWindows();
}

std::unique_ptr<app::FormWindow> QtHost::OpenMainWindow(playfield::Form1& form,
                                                        app::Events& events) {
  auto window = std::make_unique<MainWindow>(form, drawnFrames_);
  PlayfieldWindow* widget = window->Widget();
  QObject::connect(widget, &PlayfieldWindow::characterTyped, widget,
                   [&events](int code) { events.KeyTyped(code); });
  QObject::connect(widget, &PlayfieldWindow::aboutClicked, widget,
                   [&events] { events.AboutClicked(); });
  QObject::connect(widget, &PlayfieldWindow::closed, widget, [&events] { events.MainClosed(); });
  QObject::disconnect(&ticks_, nullptr, nullptr, nullptr);
  QObject::connect(&ticks_, &QTimer::timeout, widget, [&events] { events.Tick(); });
  main_ = widget;
  return window;
}

std::unique_ptr<app::AboutFormWindow> QtHost::OpenAboutWindow(app::Events& events) {
  auto window = std::make_unique<AboutFormWindow>(drawnFrames_);
  AboutWindow* widget = window->Widget();
  QObject::connect(widget, &AboutWindow::okClicked, widget, [&events] { events.OkClicked(); });
  QObject::connect(widget, &AboutWindow::sysInfoClicked, widget,
                   [&events] { events.SysInfoClicked(); });
  QObject::connect(widget, &AboutWindow::closed, widget, [&events] { events.AboutClosed(); });
  about_ = widget;
  return window;
}

void QtHost::SetTickPeriod(int milliseconds) {
  if (milliseconds > 0) {
    ticks_.start(milliseconds);
  } else {
    ticks_.stop();
  }
}

void QtHost::ReportError(const forms::RuntimeError& error) {
  auto* box =
      new QMessageBox(QMessageBox::Critical, QString::fromUtf8(forms::App::Title),
                      QString::fromStdString(forms::ErrorReportText(error)), QMessageBox::Ok);
  box->exec();
  DisposeWindow(*box);
}

void QtHost::Quit(int status) {
  QCoreApplication::exit(status);
}

}  // namespace qt
