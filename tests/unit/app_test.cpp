#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/game.h"
#include "fakes/fake_services.h"

namespace app {
namespace {

// A host that shows nothing and writes down what the game asks of it, a word each. Its windows
// close as a frame closes them: the About window reports that it has gone.
struct RecordingHost : Host {
  struct Window : AboutFormWindow {
    Window(std::string& hostLog, Events& game) : log(hostLog), events(game) {}
    void ShowModel() override {}
    void Present() override { log += "present "; }
    void Close() override {
      log += "close ";
      events.AboutClosed();
    }
    about::frmAbout& Form() override { return form; }
    std::string& log;
    Events& events;
    about::frmAbout form;
  };
  std::unique_ptr<FormWindow> OpenMainWindow(playfield::Form1&, Events& events) override {
    log += "main ";
    return std::make_unique<Window>(log, events);
  }
  std::unique_ptr<AboutFormWindow> OpenAboutWindow(Events& events) override {
    log += "about ";
    return std::make_unique<Window>(log, events);
  }
  void SetTickPeriod(int ms) override { log += "ticks" + std::to_string(ms) + " "; }
  void ReportError(const forms::RuntimeError& e) override {
    log += "error" + std::to_string(e.Number()) + " ";
  }
  void Quit(int status) override { log += "quit" + std::to_string(status) + " "; }
  std::string log;
};

// The events, a letter each: a click on About (a), OK (o), System Info (s), the About window
// closed by its frame (x), the main window closed (m), a tick (t), a character typed (any other).
void Deliver(Game& game, const std::string& events) {
  for (const char event : events) {
    switch (event) {
      case 'a':
        game.AboutClicked();
        break;
      case 'o':
        game.OkClicked();
        break;
      case 's':
        game.SysInfoClicked();
        break;
      case 'x':
        game.AboutClosed();
        break;
      case 'm':
        game.MainClosed();
        break;
      case 't':
        game.Tick();
        break;
      default:
        game.KeyTyped(event);
    }
  }
}

// What each event asks of the host, after the start; System Info asks the game's services. An
// untrapped error is reported once, ends the program with status 1 and lets no later event run.
TEST(GameTest, EventsReachTheirHandlersAndTheProgramEndsWithItsLastWindowOrAnError) {
  using Form = playfield::Form1;
  const std::vector<std::tuple<std::function<void(Form&)>, std::string, std::string, float>> cases =
      {{[](Form&) {}, "466", "", 1180},
       {[](Form&) {}, "aao", "ticks0 about present present ticks15 close ", 1080},
       {[](Form&) {}, "ax4a", "ticks0 about present about present ", 980},
       {[](Form&) {}, "ass", "ticks0 about present ", 1080},
       {[](Form&) {}, "m", "ticks0 quit0 ", 1080},
       {[](Form&) {}, "amo", "ticks0 about present ticks0 close quit0 ", 1080},
       {[](Form& f) { f.k.SetCaption("x"); }, "tt4a", "error13 quit1 ", 1080},
       {[](Form& f) { f.b.Load(2); }, "4t", "error360 quit1 ", 1080}};
  for (const auto& [before, events, log, cannonLeft] : cases) {
    RecordingHost host;
    fakes::Services services;
    Game game(host, services.host);
    before(game.Form());
    const std::string start = "main ticks15 present ";
    const bool started = game.Start();
    EXPECT_EQ(started, host.log == start) << events;
    host.log.erase(0, host.log.starts_with(start) ? start.size() : 0);
    Deliver(game, events);
    EXPECT_EQ(host.log, log) << events;
    EXPECT_EQ(game.Form().p.Left, cannonLeft) << events;
    EXPECT_EQ(services.recorded.shown.size(), std::ranges::count(events, 's')) << events;
  }
}

}  // namespace
}  // namespace app
