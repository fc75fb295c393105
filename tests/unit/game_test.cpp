#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "forms/counter.h"
#include "game/game_rules.h"

namespace game {
namespace {

// Form1 as the program has it after its load, with l_Change connected.
struct Game {
  Game() {
    ConnectHandlers(form);
    playfield::Form_Load(form);
  }
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) {
      Timer1_Timer(form);
    }
  }
  void Press(char character, int times = 1) {
    for (int i = 0; i < times; ++i) {
      std::int16_t code = static_cast<unsigned char>(character);
      Form_KeyPress(form, code);
    }
  }
  // Puts every target out of the shot's way, hidden, so that one test sees only its own target.
  void ClearTheField() {
    for (int i = 0; i < 3; ++i) {
      for (forms::Image* target : {&form.c(i), &form.b(i)}) {
        target->Left = -1000;
        target->Visible = false;
      }
    }
  }
  void AimShot(float left, float top) {
    form.f.Left = left;
    form.f.Top = top;
    form.f.Visible = true;
  }
  double Wins() const { return forms::CounterValue(form.l); }
  double Losses() const { return forms::CounterValue(form.k); }

  playfield::Form1 form;
};

TEST(TickTest, FromTheStartEachTargetReachesTheBoundOnItsOwnTick) {
  struct Case {
    const char* name;
    bool oval;
    int index;
    int firstTick;
    float atBound;
  };
  for (const Case& test : std::vector<Case>{{"b(2)", false, 2, 1, 3280},
                                            {"c(2)", true, 2, 2, 2900},
                                            {"b(1)", false, 1, 11, 2930},
                                            {"c(1)", true, 1, 16, 2950},
                                            {"b(0)", false, 0, 24, 2880},
                                            {"c(0)", true, 0, 29, 2900}}) {
    Game game;
    auto target = [&]() -> forms::Image& {
      return test.oval ? game.form.c(test.index) : game.form.b(test.index);
    };
    std::vector<int> reentries;
    float before = 0;
    for (int tick = 1; tick <= test.firstTick + 39 * 2; ++tick) {
      before = target().Left;
      game.Tick();
      if (target().Left == -1000) {
        if (reentries.empty()) {
          EXPECT_EQ(before + 100, test.atBound) << test.name;
        }
        reentries.push_back(tick);
      }
    }
    EXPECT_EQ(reentries,
              (std::vector<int>{test.firstTick, test.firstTick + 39, test.firstTick + 78}))
        << test.name;
  }
}

TEST(TickTest, LossesCountedOnTheWayFromTheStartWithNoShot) {
  Game game;
  int ticks = 0;
  for (const auto& [tick, losses] : std::vector<std::pair<int, std::string>>{
           {1, "1"}, {2, "2"}, {11, "3"}, {28, "5"}, {29, "6"}, {29 + 39, "12"}}) {
    game.Tick(tick - ticks);
    ticks = tick;
    EXPECT_EQ(game.form.k.Caption(), losses) << "after tick " << tick;
  }
  EXPECT_EQ(game.form.l.Caption(), "0");
}

TEST(TickTest, TheHitWindowIsTheLeftmostHundredTwipsInclusive) {
  struct Case {
    float shotLeft;  // against a target that stands at 1000 after its step
    float shotTop;
    bool hit;
  };
  for (const Case& test : std::vector<Case>{{1000, -35430, true},
                                            {1100, -35430, true},
                                            {999, -35430, false},
                                            {1101, -35430, false},
                                            {1050, 3480, true},
                                            {1050, 3481, false}}) {
    for (const bool oval : {true, false}) {
      Game game;
      game.ClearTheField();
      forms::Image& target = oval ? game.form.c(1) : game.form.b(1);
      target.Left = 900;
      target.Top = 3480;
      target.Visible = true;
      game.AimShot(test.shotLeft, test.shotTop);
      game.Tick();
      EXPECT_EQ(game.Wins(), test.hit ? 1 : 0) << test.shotLeft << "," << test.shotTop;
      EXPECT_EQ(target.Visible, !test.hit) << test.shotLeft;
    }
  }
}

TEST(TickTest, WhatOneShotHitsInOneTick) {
  struct Case {
    const char* name;
    std::vector<bool> visible;  // c(0) then b(0), both at 1000 after the step
    std::vector<float> lefts;
    double wins;
  };
  for (const Case& test : std::vector<Case>{
           {"an oval and a square in the window", {true, true}, {900, 900}, 2},
           {"a hidden target is hit again", {false, false}, {900, 900}, 2},
           {"only the square", {true, true}, {500, 900}, 1},
       }) {
    Game game;
    game.ClearTheField();
    game.form.c(0).Visible = test.visible[0];
    game.form.b(0).Visible = test.visible[1];
    game.form.c(0).Left = test.lefts[0];
    game.form.b(0).Left = test.lefts[1];
    game.AimShot(1000, -35430);
    game.Tick();
    EXPECT_EQ(game.Wins(), test.wins) << test.name;
    EXPECT_FALSE(game.form.b(0).Visible) << test.name;
  }
}

TEST(TickTest, AnEscapeCountsBeforeTheHitTestAndTheShotIsParked) {
  Game game;
  game.ClearTheField();
  game.form.c(0).Left = 2800;
  game.form.c(0).Visible = true;
  game.AimShot(2850, -35430);  // where the target was before its step
  game.Tick();
  EXPECT_EQ(game.Losses(), 1);
  EXPECT_EQ(game.Wins(), 0);
  EXPECT_EQ(game.form.c(0).Left, -1000);
  EXPECT_TRUE(game.form.c(0).Visible);
  EXPECT_FALSE(game.form.f.Visible);
  EXPECT_EQ(game.form.f.Top, 40000);
  EXPECT_EQ(game.form.f.Left, 100000);
}

TEST(TickTest, AWinThatLevelsUpLiftsTheRowsBeforeTheNextTest) {
  Game game;
  game.ClearTheField();
  game.form.l.SetCaption("14");
  game.form.c(0).Left = 900;  // tested first: the fifteenth win
  game.form.b(0).Left = 900;  // tested next, at its new Top 2900, above the shot
  game.AimShot(1000, 2950);
  game.Tick();
  EXPECT_EQ(game.form.l.Caption(), "15");
  EXPECT_EQ(game.form.aa.Caption(), "1");
  EXPECT_EQ(game.form.b(0).Top, 2900);
}

TEST(KeyPressTest, TwoShotsBeforeOneTickTestOnlyTheLater) {
  Game game;
  game.ClearTheField();
  game.form.c(0).Left = 1220;  // at 1320 after its step: in the first shot's column
  game.Press(' ');
  game.Press('6', 5);
  game.Press(' ');
  EXPECT_EQ(game.form.f.Left, 1820);
  game.Tick();
  EXPECT_EQ(game.Wins(), 0);
}

TEST(LevelTest, RowHeightsAndLevelsAsTheWinsGrow) {
  struct Row {
    int wins;
    float ovalTop, squareTop;
    std::string level;
  };
  Game game;
  int wins = 0;
  for (const Row& row : std::vector<Row>{{14, 3480, 3000, "0"},
                                         {15, 3380, 2900, "1"},
                                         {16, 3380, 2900, "1"},
                                         {30, 3280, 2800, "2"},
                                         {450, 480, 0, "30"},
                                         {451, 1200, 1000, "30"},
                                         {465, 1100, 900, "31"},
                                         {600, 200, 0, "40"},
                                         {601, 1200, 1000, "40"}}) {
    for (; wins < row.wins; ++wins) {
      forms::AddOne(game.form.l);
    }
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(game.form.c(i).Top, row.ovalTop) << "wins " << row.wins;
      EXPECT_EQ(game.form.b(i).Top, row.squareTop) << "wins " << row.wins;
    }
    EXPECT_EQ(game.form.aa.Caption(), row.level) << "wins " << row.wins;
  }
}

TEST(LevelTest, TheResetComesBeforeTheLevelTest) {
  struct Case {
    std::string wins;
    float squareTopBefore;
    float ovalTop, squareTop;
    std::string level;
  };
  for (const Case& test : std::vector<Case>{{"15", 0, 1100, 900, "1"},
                                            {"0", 0, 1200, 1000, "0"},
                                            {"0", 100, 3480, 100, "0"},
                                            {"7", -100, 1200, 1000, "0"}}) {
    Game game;
    game.form.l.SetCaption("1");
    for (int i = 0; i < 3; ++i) {
      game.form.b(i).Top = test.squareTopBefore;
    }
    game.form.l.SetCaption(test.wins);
    EXPECT_EQ(game.form.c(2).Top, test.ovalTop) << test.wins << " at " << test.squareTopBefore;
    EXPECT_EQ(game.form.b(2).Top, test.squareTop) << test.wins << " at " << test.squareTopBefore;
    EXPECT_EQ(game.form.aa.Caption(), test.level);
  }
}

TEST(LevelTest, AWinsCaptionThatIsNoNumberRaisesTypeMismatch) {
  for (const std::string caption : {"7x", "15x", "x"}) {
    Game game;
    int error = 0;
    try {
      game.form.l.SetCaption(caption);
    } catch (const forms::RuntimeError& raised) {
      error = raised.Number();
    }
    EXPECT_EQ(error, 13) << caption;
  }
}

TEST(KeyPressTest, TheCannonStopsShortOfItsLimits) {
  struct Case {
    const char* name;
    float start;
    char key;
    int presses;
    float left;
  };
  for (const Case& test : std::vector<Case>{{"ten 4s", 1080, '4', 10, 80},
                                            {"an eleventh 4", 1080, '4', 11, 80},
                                            {"fifteen 6s", 1080, '6', 15, 2580},
                                            {"a sixteenth 6", 1080, '6', 16, 2580},
                                            {"a move onto 0", 100, '4', 1, 100},
                                            {"a move onto 2590", 2490, '6', 1, 2490},
                                            {"5", 1080, '5', 3, 1080},
                                            {"a letter", 1080, 'a', 1, 1080},
                                            {"Enter", 1080, '\r', 1, 1080}}) {
    for (const bool paused : {false, true}) {
      Game game;
      game.form.Timer1.SetInterval(paused ? 0 : 1);
      game.form.p.Left = test.start;
      game.Press(test.key, test.presses);
      EXPECT_EQ(game.form.p.Left, test.left) << test.name;
      EXPECT_FALSE(game.form.f.Visible) << test.name;
      EXPECT_EQ(game.form.f.Top, 4440) << test.name;
    }
  }
}

TEST(KeyPressTest, TheSpaceBarFliesTheShotFarAboveTheCannon) {
  Game game;
  game.form.Timer1.SetInterval(0);
  game.Press(' ');
  EXPECT_TRUE(game.form.f.Visible);
  EXPECT_EQ(game.form.f.Left, 1320);
  EXPECT_EQ(game.form.f.Top, -35430);
  game.Press('4');
  EXPECT_EQ(game.form.f.Left, 1320) << "the cannon moves, the shot does not";
}

// What must hold after every tick of a long game with random keys between the ticks.
TEST(LongRunTest, AMillionTicksKeepEveryInvariant) {
  Game game;
  playfield::Form1& form = game.form;
  std::mt19937 random(20261206);
  const char keys[] = {'4', '6', ' ', '5', 'x'};
  std::uniform_int_distribution<int> pick(0, 15);
  double wins = 0;
  double losses = 0;
  for (int tick = 0; tick < 1'000'000; ++tick) {
    const int choice = pick(random);
    if (choice < 5) {
      game.Press(keys[choice]);
    }
    game.Tick();

    for (int i = 0; i < 3; ++i) {
      for (const forms::Image* target : {&form.c(i), &form.b(i)}) {
        ASSERT_GE(target->Left, -1000) << "tick " << tick;
        // Before its first re-entry a target may still stand between 2800 and the bound.
        ASSERT_LE(target->Left, tick >= 29 ? 2800 : 2870) << "tick " << tick;
      }
      ASSERT_EQ(form.c(i).Top, form.c(0).Top);
      ASSERT_EQ(form.b(i).Top, form.b(0).Top);
    }
    ASSERT_FALSE(form.f.Visible);
    ASSERT_EQ(form.f.Top, 40000);
    ASSERT_EQ(form.f.Left, 100000);
    ASSERT_GE(game.Wins(), wins);
    ASSERT_GE(game.Losses(), losses);
    wins = game.Wins();
    losses = game.Losses();

    // Rows start 480 apart and climb to the top; after a reset they stand 200 apart.
    const float oval = form.c(0).Top;
    const float square = form.b(0).Top;
    const bool startCycle = square == oval - 480 && square <= 3000 && square >= 0;
    const bool resetCycle = square == oval - 200 && square <= 1000 && square >= 0;
    ASSERT_TRUE(startCycle || resetCycle) << oval << "," << square;
    ASSERT_EQ(static_cast<int>(std::fmod(square, 100)), 0);
    ASSERT_EQ(forms::CounterValue(form.aa), std::floor(wins / 15));
  }
  EXPECT_GT(wins, 1000);
  EXPECT_GT(losses, 1000);
}

}  // namespace
}  // namespace game
