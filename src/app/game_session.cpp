#include "app/game_session.h"

#include "game/game_rules.h"

namespace app {

GameSession::GameSession(forms::EventBoundary::Report untrapped) : events_(std::move(untrapped)) {
  game::ConnectHandlers(form_);
  QObject::connect(&window_, &view::PlayfieldWindow::characterTyped, [this](int code) {
    auto KeyAscii = static_cast<std::int16_t>(code);
    Handle([&] { game::Form_KeyPress(form_, KeyAscii); });
  });
}

bool GameSession::Start() {
  Handle([this] { playfield::Form_Load(form_); });
  if (events_.Ended()) {
    return false;
  }
  timer_ = std::make_unique<view::TimerBridge>(
      form_.Timer1, [this] { Handle([this] { game::Timer1_Timer(form_); }); });
  window_.show();
  return true;
}

void GameSession::Handle(const std::function<void()>& handler) {
  events_.Raise(handler);
  window_.ShowModel();
}

}  // namespace app
