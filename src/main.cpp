// The composition root: makes the main form, wires its events to their handlers and shows it.

#include <QApplication>
#include <cstdlib>

#include "forms/app.h"
#include "forms/event_boundary.h"
#include "game/game_rules.h"
#include "playfield/form1.h"
#include "view/error_report.h"
#include "view/playfield_window.h"
#include "view/timer_bridge.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(forms::App::Title));
  QApplication::setApplicationVersion(QString::fromUtf8(forms::App::Version));

  forms::EventBoundary events(view::ReportAndQuit);
  playfield::Form1 form;
  view::PlayfieldWindow window(form);

  events.Raise([&] { playfield::Form_Load(form); });
  if (events.Ended()) {
    return EXIT_FAILURE;
  }

  view::TimerBridge timer(form.Timer1, [&] {
    events.Raise([&] { game::Timer1_Timer(form); });
    window.ShowModel();
  });

  window.ShowModel();
  window.show();
  return QApplication::exec();
}
