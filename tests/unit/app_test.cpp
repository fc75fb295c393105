#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game.h"
#include "fakes/fake_services.h"

namespace app {
namespace {

using Log = std::vector<std::string>;

// A host that shows nothing and writes down what the game asks of it. Its windows close as a
// frame closes them: the About window reports that it has gone.
struct RecordingHost : Host {
  struct Window : AboutFormWindow {
    Window(Log& hostLog, Events& game) : log(hostLog), events(game) {}
    void ShowModel() override {}
    void Present() override { log.push_back("present"); }
    void Close() override {
      log.push_back("close");
      events.AboutClosed();
    }
    about::frmAbout& Form() override { return form; }
    Log& log;
    Events& events;
    about::frmAbout form;
  };
  std::unique_ptr<FormWindow> OpenMainWindow(playfield::Form1&, Events& events) override {
    log.push_back("main window");
    return std::make_unique<Window>(log, events);
  }
  std::unique_ptr<AboutFormWindow> OpenAboutWindow(Events& events) override {
    log.push_back("about window");
    return std::make_unique<Window>(log, events);
  }
  void SetTickPeriod(int milliseconds) override {
    log.push_back("ticks " + std::to_string(milliseconds));
  }
  void ReportError(const forms::RuntimeError& error) override {
    log.push_back("report " + std::to_string(error.Number()));
  }
  void Quit(int status) override { log.push_back("quit " + std::to_string(status)); }
  Log log;
};

struct Case {
  const char* name;
  std::function<void(playfield::Form1&)> before;  // before the start
  std::function<void(Game&)> events;
  Log log;  // after the start's own
  float cannonLeft;
};

// What each event asks of the host; an untrapped error is reported once, ends the program with
// status 1 and lets no later event run.
TEST(GameTest, EventsReachTheirHandlersAndTheProgramEndsWithItsLastWindowOrAnError) {
  const auto nothing = [](playfield::Form1&) {};
  const std::vector<Case> cases = {
      {"keys",
       nothing,
       [](Game& g) {
         g.KeyTyped('4');
         g.KeyTyped('6');
         g.KeyTyped('6');
       },
       {},
       1180},
      {"About pauses, a second click presents it, OK resumes",
       nothing,
       [](Game& g) {
         g.AboutClicked();
         g.AboutClicked();
         g.OkClicked();
       },
       {"ticks 0", "about window", "present", "present", "ticks 15", "close"},
       1080},
      {"the About window closed by its frame leaves the game paused",
       nothing,
       [](Game& g) {
         g.AboutClicked();
         g.AboutClosed();
         g.KeyTyped('4');
         g.AboutClicked();
       },
       {"ticks 0", "about window", "present", "about window", "present"},
       980},
      {"the main window ends the program",
       nothing,
       [](Game& g) { g.MainClosed(); },
       {"ticks 0", "quit 0"},
       1080},
      {"the About window outlives the main window, and OK ends the program",
       nothing,
       [](Game& g) {
         g.AboutClicked();
         g.MainClosed();
         g.OkClicked();
       },
       {"ticks 0", "about window", "present", "ticks 0", "close", "quit 0"},
       1080},
      {"an error in a tick",
       [](playfield::Form1& f) { f.k.SetCaption("x"); },
       [](Game& g) {
         g.Tick();
         g.Tick();
         g.KeyTyped('4');
         g.AboutClicked();
       },
       {"report 13", "quit 1"},
       1080},
      {"an error in the load",
       [](playfield::Form1& f) { f.b.Load(2); },
       [](Game& g) {
         g.KeyTyped('4');
         g.Tick();
       },
       {"report 360", "quit 1"},
       1080},
  };
  for (const Case& test : cases) {
    RecordingHost host;
    fakes::Services services;
    Game game(host, services.host);
    test.before(game.Form());
    const bool started = game.Start();
    const Log start = {"main window", "ticks 15", "present"};
    EXPECT_EQ(started, host.log == start) << test.name;
    host.log.erase(host.log.begin(), host.log.begin() + (started ? 3 : 0));
    test.events(game);
    EXPECT_EQ(host.log, test.log) << test.name;
    EXPECT_EQ(game.Form().p.Left, test.cannonLeft) << test.name;
  }
}

// System Info runs the launcher on the game's services, and leaves the About window open.
TEST(GameTest, SystemInfoAsksTheHostsServices) {
  RecordingHost host;
  fakes::Services services;
  Game game(host, services.host);
  game.Start();
  game.AboutClicked();
  game.SysInfoClicked();
  EXPECT_EQ(services.recorded.shown,
            std::vector<std::string>{"System Information Is Unavailable At This Time"});
  EXPECT_NE(game.AboutWindow(), nullptr);
}

}  // namespace
}  // namespace app
