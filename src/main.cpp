#include <QApplication>
#include <cstdlib>

#include "about/host_services.h"
#include "app/game_session.h"
#include "app/session_bus.h"
#include "forms/app.h"
#include "view/error_report.h"
#include "view/qt_message_box.h"

int main(int argc, char** argv) {
  app::UseOnlyTheDesktopsSessionBus();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(forms::App::Title));
  QApplication::setApplicationVersion(QString::fromUtf8(forms::App::Version));

  const auto registry = about::MakeHostRegistry();
  const auto programs = about::MakeHostProgramStarter();
  const auto files = about::MakeHostFileSystem();
  view::QtMessageBox messages;
  about::SystemServices services{*registry, *programs, *files, messages};

  app::GameSession game(view::ReportAndQuit, services);
  if (!game.Start()) {
    return EXIT_FAILURE;
  }
  return QApplication::exec();
}
