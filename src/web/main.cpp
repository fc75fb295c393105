#include "about/host_services.h"
#include "app/game.h"
#include "web/web_host.h"

// The page's program: the game lives on after main returns, driven by the page's events.
int main() {
  static const auto registry = about::MakeHostRegistry();
  static const auto programs = about::MakeHostProgramStarter();
  static const auto files = about::MakeHostFileSystem();
  static web::WebMessageBox messages;
  static about::SystemServices services{*registry, *programs, *files, messages};
  static web::WebHost host;
  static app::Game game(host, services);
  game.Start();
  return 0;
}
