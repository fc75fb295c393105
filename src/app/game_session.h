#pragma once

#include <functional>
#include <memory>

#include "about/system_services.h"
#include "app/about_session.h"
#include "forms/event_boundary.h"
#include "playfield/form1.h"
#include "view/playfield_window.h"
#include "view/timer_bridge.h"

namespace app {

// The composition root: makes Form1, wires its events to the handlers through the one event
// boundary, and shows the model again after every handler.
class GameSession {
 public:
  GameSession(forms::EventBoundary::Report untrapped, about::SystemServices& services);

  // Loads the form and shows its window; false when the load ended the program.
  bool Start();

  playfield::Form1& Form() { return form_; }
  view::PlayfieldWindow& Window() { return window_; }
  AboutSession& About() { return about_; }

 private:
  void Handle(const std::function<void()>& handler);
  void MainWindowClosed();

  forms::EventBoundary events_;
  playfield::Form1 form_;
  bool formLoaded_ = false;
  view::PlayfieldWindow window_{form_};
  std::unique_ptr<view::TimerBridge> timer_;
  AboutSession about_;
};

}  // namespace app
