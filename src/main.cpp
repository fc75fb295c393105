#include <QApplication>
#include <cstdlib>

#include "app/game_session.h"
#include "forms/app.h"
#include "view/error_report.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(forms::App::Title));
  QApplication::setApplicationVersion(QString::fromUtf8(forms::App::Version));

  app::GameSession game(view::ReportAndQuit);
  if (!game.Start()) {
    return EXIT_FAILURE;
  }
  return QApplication::exec();
}
