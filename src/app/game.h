#pragma once

#include <memory>

#include "about/about_box.h"
#include "app/host.h"
#include "forms/event_boundary.h"

namespace app {

// The game in a host, written once for every host: the forms and their handlers, every event
// through the one boundary and the model shown again after every handler, the timer following
// Timer1.Interval, an About window made anew after every unload, and the process ending with
// its last window.
class Game : public Events, private about::AboutWindows {
 public:
  Game(Host& host, about::SystemServices& services);

  // Loads the main form and shows its window; false when the load ended the program.
  bool Start();

  playfield::Form1& Form() { return form_; }
  FormWindow* MainWindow() { return mainOpen_ ? main_.get() : nullptr; }
  AboutFormWindow* AboutWindow() { return about_.get(); }

  void KeyTyped(int code) override;
  void AboutClicked() override;
  void MainClosed() override;
  void OkClicked() override;
  void SysInfoClicked() override;
  void AboutClosed() override;
  void Tick() override;

 private:
  void ShowAbout() override;
  void UnloadAbout() override;
  void Handle(const std::function<void()>& handler);
  void FollowInterval();
  void QuitWhenNoWindowIsLeft();

  Host& host_;
  about::SystemServices& services_;
  forms::EventBoundary events_;
  playfield::Form1 form_;
  std::unique_ptr<FormWindow> main_;
  std::unique_ptr<AboutFormWindow> about_;
  bool mainOpen_ = false;
};

}  // namespace app
