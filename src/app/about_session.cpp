#include "app/about_session.h"

namespace app {

AboutSession::AboutSession(forms::EventBoundary& events,
                           std::function<playfield::Form1*()> mainForm,
                           about::SystemServices& services)
    : events_(events), mainForm_(std::move(mainForm)), services_(services) {}

AboutSession::~AboutSession() {
  delete window_;
}

void AboutSession::ShowAbout() {
  if (window_ == nullptr) {
    Create();
    window_->show();
  }
  window_->raise();
  window_->activateWindow();
}

void AboutSession::UnloadAbout() {
  if (window_ != nullptr) {
    window_->close();
  }
}

// Runs inside the handler that shows the window, so an error in Form_Load is that handler's.
void AboutSession::Create() {
  auto* window = new view::AboutWindow();
  window_ = window;
  about::Form_Load(window->Model());
  window->ShowModel();
  QObject::connect(window, &view::AboutWindow::okClicked, window,
                   [this] { events_.Raise([this] { about::cmdOK_Click(mainForm_(), *this); }); });
  QObject::connect(window, &view::AboutWindow::sysInfoClicked, window,
                   [this] { events_.Raise([this] { about::cmdSysInfo_Click(services_); }); });
  // Unloaded however it was closed; the next opening makes it anew.
  QObject::connect(window, &view::AboutWindow::closed, window, [this, window] {
    if (window_ == window) {
      window_ = nullptr;
    }
    window->deleteLater();
  });
}

}  // namespace app
