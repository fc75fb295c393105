#include "app/game_session.h"

#include "about/about_box.h"
#include "game/game_rules.h"

namespace app {

GameSession::GameSession(forms::EventBoundary::Report untrapped, about::SystemServices& services)
    : events_(std::move(untrapped)),
      about_(
          events_, [this] { return formLoaded_ ? &form_ : nullptr; }, services) {
  game::ConnectHandlers(form_);
  QObject::connect(&window_, &view::PlayfieldWindow::characterTyped, &window_, [this](int code) {
    auto KeyAscii = static_cast<std::int16_t>(code);
    Handle([&] { game::Form_KeyPress(form_, KeyAscii); });
  });
  QObject::connect(&window_, &view::PlayfieldWindow::aboutClicked, &window_,
                   [this] { Handle([this] { about::Label4_Click(form_, about_); }); });
  QObject::connect(&window_, &view::PlayfieldWindow::closed, &window_,
                   [this] { MainWindowClosed(); });
}

bool GameSession::Start() {
  Handle([this] { playfield::Form_Load(form_); });
  if (events_.Ended()) {
    return false;
  }
  formLoaded_ = true;
  timer_ = std::make_unique<view::TimerBridge>(
      form_.Timer1, [this] { Handle([this] { game::Timer1_Timer(form_); }); });
  window_.show();
  return true;
}

void GameSession::Handle(const std::function<void()>& handler) {
  events_.Raise(handler);
  window_.ShowModel();
}

// The main form is unloaded with its window, and its timer with it.
void GameSession::MainWindowClosed() {
  formLoaded_ = false;
  timer_.reset();
}

}  // namespace app
