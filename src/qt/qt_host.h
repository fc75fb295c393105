#pragma once

#include <QPointer>
#include <QTimer>

#include "app/host.h"
#include "qt/about_window.h"
#include "qt/playfield_window.h"
#include "qt/top_level_windows.h"

namespace qt {

// The game's windows and timer as Qt widgets and a Qt timer; its windows made, framed and ended
// by their owner.
class QtHost : public app::Host {
 public:
  explicit QtHost(TopLevelWindows& windows);

  std::unique_ptr<app::FormWindow> OpenMainWindow(playfield::Form1& form,
                                                  app::Events& events) override;
  std::unique_ptr<app::AboutFormWindow> OpenAboutWindow(app::Events& events) override;
  void SetTickPeriod(int milliseconds) override;
  void ReportError(const forms::RuntimeError& error) override;
  void Quit(int status) override;

  PlayfieldWindow* MainWidget() const { return main_; }
  AboutWindow* AboutWidget() const { return about_; }
  int TickPeriodMs() const { return ticks_.isActive() ? ticks_.interval() : 0; }

 private:
  TopLevelWindows& windows_;
  QTimer ticks_;
  QPointer<PlayfieldWindow> main_;
  QPointer<AboutWindow> about_;
};

}  // namespace qt
