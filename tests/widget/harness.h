#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>

#include "app/game_session.h"
#include "fakes/fake_services.h"

// The whole program as main() makes it, on fake host services, started and shown.
// A game started still stands as its load left it until its clock is started.
struct StartedGame {
  explicit StartedGame(bool clockRunning = true) {
    form.Timer1.SetInterval(clockRunning ? 1 : 0);
    EXPECT_TRUE(game.Start());
    (void)QTest::qWaitForWindowExposed(&game.Window());
  }
  QImage Grab() { return game.Window().grab().toImage(); }

  fakes::Services services;
  app::GameSession game{[](const forms::RuntimeError& error) { FAIL() << error.what(); },
                        services.host};
  playfield::Form1& form = game.Form();
};

// Compares a picture with the reviewed one of that name in golden/, pixel for pixel. With
// VEXAL_UPDATE_GOLDEN set, it writes the picture there instead, for review.
inline void ExpectGolden(const QImage& shot, const QString& name) {
  const QString path = QStringLiteral(VEXAL_GOLDEN_DIR "/") + name + ".png";
  const QImage picture = shot.convertToFormat(QImage::Format_ARGB32);
  if (qEnvironmentVariableIsSet("VEXAL_UPDATE_GOLDEN")) {
    picture.save(path);
  }
  const QString seen = QDir::temp().filePath(name + ".png");
  const bool same = picture == QImage(path).convertToFormat(QImage::Format_ARGB32);
  EXPECT_TRUE(same || !picture.save(seen))
      << path.toStdString() << " differs from the window, shown in " << seen.toStdString();
}
