#pragma once

#include <QPointer>
#include <QTimer>

#include "app/host.h"
#include "qt/about_window.h"
#include "qt/compositor_frames.h"
#include "qt/playfield_window.h"

namespace qt {

// The game's windows and timer as Qt widgets and a Qt timer.
class QtHost : public app::Host {
 public:
  // In frames of the program's own where the compositor draws none, unless told.
  explicit QtHost(bool drawnFrames = CompositorDrawsNoFrames());
  ~QtHost() override;

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
  const bool drawnFrames_;  // the windows in frames of the program's own
  QTimer ticks_;
  QPointer<PlayfieldWindow> main_;
  QPointer<AboutWindow> about_;
};

}  // namespace qt
