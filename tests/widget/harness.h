#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>

#include "app/game.h"
#include "fakes/fake_services.h"
#include "qt/qt_host.h"

// The whole program as main() makes it, on fake host services, started and shown.
// A game started still stands as its load left it until its clock is started.
struct StartedGame {
  explicit StartedGame(bool clockRunning = true, bool drawnFrames = false)
      : windows(drawnFrames ? qt::Frames::Own : qt::Frames::Desktop, {}), host(windows) {
    form.Timer1.SetInterval(clockRunning ? 1 : 0);
    EXPECT_TRUE(game.Start());
    (void)QTest::qWaitForWindowExposed(&Window());
  }
  qt::PlayfieldWindow& Window() { return *host.MainWidget(); }
  QImage Grab() { return Window().grab().toImage(); }

  qt::TopLevelWindows windows;
  // No error may end a game under test.
  struct Host : qt::QtHost {
    using QtHost::QtHost;
    void ReportError(const forms::RuntimeError& error) override { FAIL() << error.what(); }
    void Quit(int status) override { quits.push_back(status); }
    std::vector<int> quits;
  } host;
  fakes::Services services;
  app::Game game{host, services.host};
  playfield::Form1& form = game.Form();
};

// Compares a picture with the reviewed one of that name in golden/, pixel for pixel. With
// VEXAL_UPDATE_GOLDEN set, it writes the picture there instead, for review, and compares
// nothing: the test is then reported as skipped.
inline void ExpectGolden(const QImage& shot, const QString& name) {
  const QString path = QStringLiteral(VEXAL_GOLDEN_DIR "/") + name + ".png";
  const QImage picture = shot.convertToFormat(QImage::Format_ARGB32);
  if (qEnvironmentVariableIsSet("VEXAL_UPDATE_GOLDEN")) {
    ASSERT_TRUE(picture.save(path)) << path.toStdString();
    GTEST_SKIP() << "written for review, not compared: " << path.toStdString();
  }
  const QString seen = QDir::temp().filePath(name + ".png");
  const bool same = picture == QImage(path).convertToFormat(QImage::Format_ARGB32);
  // The copy is only a help to whoever reads the failure: a mismatch fails without it too.
  const bool copied = !same && picture.save(seen);
  EXPECT_TRUE(same) << path.toStdString() << " differs from the window"
                    << (copied ? ", shown in " + seen.toStdString() : std::string());
}
