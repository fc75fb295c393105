#include <QApplication>
#include <cstdlib>

#include "about/host_services.h"
#include "app/game.h"
#include "forms/app.h"
#include "qt/qt_host.h"
#include "qt/qt_message_box.h"
#include "qt/toolkit_environment.h"

// The game takes no command line: the toolkit is given the program's name alone, so that none of
// its own options (a title, a geometry, a style sheet to read) reach it. The desktop's settings
// still reach it through the environment.
int main(int argc, char** argv) {
  qt::UseOnlyTheDesktopsSessionBus();
  qt::ChooseCheapFrames();
  char programName[] = "vexal";
  int toolkitArgc = 1;
  char* toolkitArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : programName, nullptr};
  QApplication application(toolkitArgc, toolkitArgv);
  QApplication::setApplicationName(QString::fromUtf8(forms::App::Title));
  QApplication::setApplicationVersion(QString::fromUtf8(forms::App::Version));
  QApplication::setQuitOnLastWindowClosed(false);  // the game ends with its last window itself

  const auto registry = about::MakeHostRegistry();
  const auto programs = about::MakeHostProgramStarter();
  const auto files = about::MakeHostFileSystem();
  qt::QtMessageBox messages;
  about::SystemServices services{*registry, *programs, *files, messages};

  qt::QtHost host;
  app::Game game(host, services);
  if (!game.Start()) {
    return EXIT_FAILURE;
  }
  return QApplication::exec();
}
