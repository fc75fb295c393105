#include "qt/qt_host.h"

#include "qt/qt_message_box.h"

namespace qt {
namespace {

// A form's window, made and ended by the windows' owner. The About window goes in the middle of
// its own close or of a click on its OK button; the owner deletes it once that event is over.
template <typename Widget, typename Base>
class OwnedWindow : public Base {
 public:
  OwnedWindow(TopLevelWindows& windows, Widget* widget) : windows_(windows), widget_(widget) {}
  ~OwnedWindow() override {
    if (!widget_.isNull()) {
      windows_.Dispose(*widget_);
    }
  }
  void ShowModel() override { widget_->ShowModel(); }
  void Present() override { windows_.Present(*widget_); }
  void Close() override { windows_.Close(*widget_); }

 protected:
  TopLevelWindows& windows_;
  QPointer<Widget> widget_;
};

// The main window shows the game's model, which goes with the game: so it is deleted now.
class MainWindow : public OwnedWindow<PlayfieldWindow, app::FormWindow> {
 public:
  using OwnedWindow::OwnedWindow;
  ~MainWindow() override {
    if (!widget_.isNull()) {
      windows_.Dispose(*widget_);
    }
    windows_.DeleteGoneWindows();
  }
};

// It owns its form, which goes with it.
class AboutFormWindow : public OwnedWindow<AboutWindow, app::AboutFormWindow> {
 public:
  using OwnedWindow::OwnedWindow;
  about::frmAbout& Form() override { return widget_->Model(); }
};

}  // namespace

QtHost::QtHost(TopLevelWindows& windows) : windows_(windows) {
  ticks_.setTimerType(Qt::PreciseTimer);  // steady ticks at the game's pace
}

std::unique_ptr<app::FormWindow> QtHost::OpenMainWindow(playfield::Form1& form,
                                                        app::Events& events) {
  auto* widget = new PlayfieldWindow(form);
  QObject& game = windows_.Adopt(*widget, [&events] { events.MainClosed(); });
  QObject::connect(widget, &PlayfieldWindow::characterTyped, &game,
                   [&events](int code) { events.KeyTyped(code); });
  QObject::connect(widget, &PlayfieldWindow::aboutClicked, &game,
                   [&events] { events.AboutClicked(); });
  QObject::disconnect(&ticks_, nullptr, nullptr, nullptr);
  QObject::connect(&ticks_, &QTimer::timeout, &game, [&events] { events.Tick(); });
  main_ = widget;
  return std::make_unique<MainWindow>(windows_, widget);
}

std::unique_ptr<app::AboutFormWindow> QtHost::OpenAboutWindow(app::Events& events) {
  auto* widget = new AboutWindow();
  QObject& game = windows_.Adopt(*widget, [&events] { events.AboutClosed(); });
  QObject::connect(widget, &AboutWindow::okClicked, &game, [&events] { events.OkClicked(); });
  QObject::connect(widget, &AboutWindow::sysInfoClicked, &game,
                   [&events] { events.SysInfoClicked(); });
  about_ = widget;
  return std::make_unique<AboutFormWindow>(windows_, widget);
}

void QtHost::SetTickPeriod(int milliseconds) {
  if (milliseconds > 0) {
    ticks_.start(milliseconds);
  } else {
    ticks_.stop();
  }
}

void QtHost::ReportError(const forms::RuntimeError& error) {
  ShowMessage(windows_, QMessageBox::Critical, forms::ErrorReportText(error));
}

void QtHost::Quit(int status) {
  windows_.QuitOnceSettled(status);
}

}  // namespace qt
