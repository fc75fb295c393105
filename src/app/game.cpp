#include "app/game.h"

#include <algorithm>
#include <cstdlib>

#include "game/game_rules.h"

namespace app {

Game::Game(Host& host, about::SystemServices& services)
    : host_(host), services_(services), events_([this](const forms::RuntimeError& error) {
        host_.ReportError(error);
        host_.Quit(EXIT_FAILURE);
      }) {
  game::ConnectHandlers(form_);
}

bool Game::Start() {
  events_.Raise([this] { playfield::Form_Load(form_); });
  if (events_.Ended()) {
    return false;
  }
  main_ = host_.OpenMainWindow(form_, *this);
  mainOpen_ = true;
  form_.Timer1.IntervalChanged = [this] { FollowInterval(); };
  FollowInterval();
  main_->ShowModel();
  main_->Present();
  return true;
}

void Game::Handle(const std::function<void()>& handler) {
  events_.Raise(handler);
  for (FormWindow* window : std::initializer_list<FormWindow*>{MainWindow(), AboutWindow()}) {
    if (window != nullptr) {
      window->ShowModel();
    }
  }
}

void Game::FollowInterval() {
  const forms::Timer& timer = form_.Timer1;
  host_.SetTickPeriod(timer.Running() ? std::max<int>(timer.Interval(), kShortestTickMs) : 0);
}

void Game::KeyTyped(int code) {
  auto KeyAscii = static_cast<std::int16_t>(code);
  Handle([&] { game::Form_KeyPress(form_, KeyAscii); });
}

void Game::AboutClicked() {
  Handle([this] { about::Label4_Click(form_, *this); });
}

void Game::Tick() {
  Handle([this] { game::Timer1_Timer(form_); });
}

// The main form is unloaded with its window, and its timer with it.
void Game::MainClosed() {
  mainOpen_ = false;
  form_.Timer1.IntervalChanged = nullptr;
  host_.SetTickPeriod(0);
  QuitWhenNoWindowIsLeft();
}

// Once the main window has closed, OK only closes the About window: a closed main form is never
// loaded again.
void Game::OkClicked() {
  Handle([this] { about::cmdOK_Click(mainOpen_ ? &form_ : nullptr, *this); });
}

void Game::SysInfoClicked() {
  Handle([this] { about::cmdSysInfo_Click(services_); });
}

void Game::AboutClosed() {
  about_.reset();
  QuitWhenNoWindowIsLeft();
}

// Runs inside the handler that shows the window, so an error in Form_Load is that handler's.
void Game::ShowAbout() {
  if (about_ == nullptr) {
    about_ = host_.OpenAboutWindow(*this);
    about::Form_Load(about_->Form());
    about_->ShowModel();
  }
  about_->Present();
}

// The window leaves the game first, so that its report of the close finds it gone.
void Game::UnloadAbout() {
  const std::unique_ptr<FormWindow> closing = std::move(about_);
  if (closing != nullptr) {
    closing->Close();
  }
}

void Game::QuitWhenNoWindowIsLeft() {
  if (!mainOpen_ && about_ == nullptr) {
    host_.Quit(EXIT_SUCCESS);
  }
}

}  // namespace app
