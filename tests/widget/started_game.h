#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "app/game_session.h"
#include "fakes/fake_services.h"

// The whole program as main() makes it, on fake host services, started and shown.
struct StartedGame {
  StartedGame() {
    EXPECT_TRUE(game.Start());
    (void)QTest::qWaitForWindowExposed(&game.Window());
  }
  fakes::Services services;
  app::GameSession game{[](const forms::RuntimeError& error) { FAIL() << error.what(); },
                        services.host};
  playfield::Form1& form = game.Form();
};
