#pragma once

#include <QPointer>
#include <functional>

#include "about/about_box.h"
#include "forms/event_boundary.h"
#include "view/about_window.h"

namespace app {

// The host's window operations on frmAbout: at most one About window at a time, created anew
// after every unload.
class AboutSession : public about::AboutWindows {
 public:
  // mainForm gives the main form while its window is open, and null after it was closed.
  AboutSession(forms::EventBoundary& events, std::function<playfield::Form1*()> mainForm,
               about::SystemServices& services);
  ~AboutSession() override;

  void ShowAbout() override;
  void UnloadAbout() override;

  view::AboutWindow* Window() { return window_; }

 private:
  void Create();

  forms::EventBoundary& events_;
  std::function<playfield::Form1*()> mainForm_;
  about::SystemServices& services_;
  QPointer<view::AboutWindow> window_;
};

}  // namespace app
