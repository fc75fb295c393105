#include <windows.h>

#include <cstdlib>

#include "about/host_services.h"
#include "app/game.h"
#include "win32/win32_host.h"

// The game takes no command line.
int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  const auto registry = about::MakeHostRegistry();
  const auto programs = about::MakeHostProgramStarter();
  const auto files = about::MakeHostFileSystem();
  win32::Win32MessageBox messages;
  about::SystemServices services{*registry, *programs, *files, messages};

  win32::Win32Host host;
  app::Game game(host, services);
  if (!game.Start()) {
    return EXIT_FAILURE;
  }
  return host.Run();
}
