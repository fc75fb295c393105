#include <QApplication>
#include <cstdlib>
#include <string>

#include "about/host_services.h"
#include "app/game.h"
#include "forms/app.h"
#include "qt/frame_choice.h"
#include "qt/qt_host.h"
#include "qt/qt_message_box.h"
#include "qt/toolkit_environment.h"

// The game takes no command line: the toolkit is given the program's name and our own options
// alone, so that none of its own options (a title, a geometry, a style sheet to read) reach it
// from the user. The desktop's settings still reach it through the environment.
int main() {
  qt::UseOnlyTheDesktopsSessionBus();
  qt::ChooseCheapFrames();
  char programName[] = "vexal";
  // The desktop ties a window to its menu entry by the entry's name: on X11 through the instance
  // name of the window's class, which this option sets, and on Wayland through the application
  // id, which is the desktop file's name.
  char nameOption[] = "-name";
  std::string appId(forms::App::Id);
  int toolkitArgc = 3;
  char* toolkitArgv[] = {programName, nameOption, appId.data(), nullptr};
  QApplication application(toolkitArgc, toolkitArgv);
  QApplication::setApplicationName(QString::fromUtf8(forms::App::Title));
  QGuiApplication::setDesktopFileName(QString::fromStdString(appId));
  QApplication::setApplicationVersion(QString::fromUtf8(forms::App::Version));
  QApplication::setQuitOnLastWindowClosed(false);  // the game ends with its last window itself

  const auto registry = about::MakeHostRegistry();
  const auto programs = about::MakeHostProgramStarter();
  const auto files = about::MakeHostFileSystem();
  qt::TopLevelWindows windows(qt::ChooseFrames());
  qt::QtMessageBox messages(windows);
  about::SystemServices services{*registry, *programs, *files, messages};

  qt::QtHost host(windows);
  app::Game game(host, services);
  if (!game.Start()) {
    return EXIT_FAILURE;
  }
  return QApplication::exec();
}
