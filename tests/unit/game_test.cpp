#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
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
    while (times-- > 0) {
      Timer1_Timer(form);
    }
  }
  void Press(char character, int times = 1) {
    std::int16_t code = static_cast<unsigned char>(character);
    while (times-- > 0) {
      Form_KeyPress(form, code);
    }
  }
  // Every target out of the shot's way and hidden, for the cases to place their own.
  void Clear() {
    for (int j = 0; j < 3; ++j) {
      Put(form.c(j), -1000, 3000, false);
      Put(form.b(j), -1000, 3000, false);
    }
  }
  static forms::Image& Put(forms::Image& target, float left, float top, bool visible = true) {
    static_cast<forms::Control&>(target) = {.Left = left, .Top = top, .Visible = visible};
    return target;
  }
  void Aim(float left, float top) {
    static_cast<forms::Control&>(form.f) = {.Left = left, .Top = top, .Visible = true};
  }
  const std::string& Wins() const { return form.l.Caption(); }
  // The six targets' tops, the ovals first, and what they are when each row is level.
  std::vector<float> Tops() const {
    const auto& [c, b] = std::tie(form.c, form.b);
    return {c(0).Top, c(1).Top, c(2).Top, b(0).Top, b(1).Top, b(2).Top};
  }
  static std::vector<float> Rows(float oval, float square) {
    return {oval, oval, oval, square, square, square};
  }
  // A hit target travels on hidden, at its row's height all the same.
  void HideAPair() { form.c(1).Visible = form.b(2).Visible = false; }

  playfield::Form1 form;
};

// With no shot fired, b(2) escapes on tick 1 (at 3280), c(2) on 2, b(1) on 11, c(1) on 16, b(0)
// on 24 (at exactly 2880) and c(0) on 29; each again every 39 ticks, from -1000 to 2900.
TEST(TickTest, FromTheStartEachTargetEscapesOnItsOwnTickAndEvery39After) {
  const std::vector<std::pair<int, std::string>> cases = {
      {1, "1"},  {2, "2"},  {10, "2"}, {11, "3"}, {15, "3"}, {16, "4"},  {23, "4"},
      {24, "5"}, {28, "5"}, {29, "6"}, {39, "6"}, {40, "7"}, {67, "11"}, {68, "12"}};
  Game game;
  int ticks = 0;
  for (const auto& [tick, losses] : cases) {
    game.Tick(tick - ticks);
    ticks = tick;
    EXPECT_EQ(game.form.k.Caption(), losses) << "after tick " << tick;
  }
  EXPECT_EQ(game.form.c(0).Left + game.form.b(0).Left, -1500);
  EXPECT_EQ(game.Wins() + game.form.aa.Caption(), "00");
}

// After their step oval c(0) stands at 1000 with its row's top 3480, and square b(2) at 1500
// with 3000, or over the oval. The shot hits every target whose leftmost hundred twips hold it
// and whose top it has reached, visible or not; the hit targets move on hidden.
TEST(TickTest, TheShotHitsTheLeftmostHundredTwipsOfEveryTarget) {
  // The shot's left and top, the square's left, whether both are visible, and what is seen after
  // the tick: the wins, and the targets hidden (c for the oval, b for the square).
  const std::vector<std::tuple<float, float, float, bool, std::string>> cases = {
      {1000, -35430, 1500, true, "1 c"},    {1100, -35430, 1500, true, "1 c"},
      {999, -35430, 1500, true, "0"},       {1101, -35430, 1500, true, "0"},
      {1500, -35430, 1500, true, "1 b"},    {1600, -35430, 1500, true, "1 b"},
      {1499, -35430, 1500, true, "0"},      {1601, -35430, 1500, true, "0"},
      {1050, 3480, 1500, true, "1 c"},      {1050, 3481, 1500, true, "0"},
      {1550, 3000, 1500, true, "1 b"},      {1550, 3001, 1500, true, "0"},
      {1050, 3200, 1000, true, "1 c"},      {1050, -35430, 1000, true, "2 c b"},
      {1050, -35430, 1000, false, "2 c b"}, {1550, -35430, 1500, false, "1 c b"}};
  for (const auto& [shotLeft, shotTop, squareLeft, visible, expected] : cases) {
    Game game;
    game.Clear();
    const forms::Image& oval = Game::Put(game.form.c(0), 900, 3480, visible);
    const forms::Image& square = Game::Put(game.form.b(2), squareLeft - 100, 3000, visible);
    game.Aim(shotLeft, shotTop);
    game.Tick();
    const std::string seen =
        game.Wins() + (oval.Visible ? "" : " c") + (square.Visible ? "" : " b");
    EXPECT_EQ(seen, expected) << shotLeft << "," << shotTop;
    EXPECT_EQ(std::pair(oval.Left, square.Left), std::pair(1000.0f, squareLeft))
        << "hit targets move on";
  }
}

// Oval c(2) and square b(1) reach the bound: a visible one counts its escape before the hit
// test, a hidden one none; both come back visible at -1000. Every tick ends with the shot parked.
TEST(TickTest, EscapesCountBeforeTheHitTestAndTheShotIsParked) {
  const std::vector<std::tuple<bool, bool, std::string>> cases = {
      {true, false, "1"}, {false, true, "1"}, {true, true, "2"}, {false, false, "0"}};
  for (const auto& [ovalVisible, squareVisible, losses] : cases) {
    Game game;
    game.Clear();
    const forms::Image& oval = Game::Put(game.form.c(2), 2800, 3480, ovalVisible);
    const forms::Image& square = Game::Put(game.form.b(1), 2790, 3000, squareVisible);
    game.Aim(2850, -35430);  // where the targets were before their step
    game.Tick();
    EXPECT_EQ(game.form.k.Caption() + "/" + game.Wins(), losses + "/0");
    EXPECT_EQ(std::tuple(oval.Left, oval.Visible, square.Left, square.Visible),
              std::tuple(-1000.0f, true, -1000.0f, true));
    EXPECT_EQ(std::tuple(game.form.f.Visible, game.form.f.Top, game.form.f.Left),
              std::tuple(false, 40000.0f, 100000.0f));
  }
}

// The rows are tested index by index, the oval first: the target that the fifteenth win comes
// from lifts both rows, and the next one tested, at top 3000 before, misses at 2900.
TEST(TickTest, AWinThatLevelsUpLiftsTheRowsBeforeTheNextTest) {
  const std::vector<std::tuple<int, int, std::string>> cases = {
      {0, 0, "oval"}, {1, 0, "square"}};  // the oval's index, the square's, who scores
  for (const auto& [ovalIndex, squareIndex, scorer] : cases) {
    Game game;
    game.Clear();
    forms::Image& oval = Game::Put(game.form.c(ovalIndex), 900, 3000);
    forms::Image& square = Game::Put(game.form.b(squareIndex), 900, 3000);
    game.form.l.SetCaption("14");
    game.Aim(1000, 2950);
    game.Tick();
    EXPECT_EQ(game.Wins() + "/" + game.form.aa.Caption(), "15/1");
    EXPECT_EQ(oval.Visible ? "square" : "oval", scorer);
    EXPECT_EQ(std::pair(oval.Top, square.Top), std::pair(2900.0f, 2900.0f));
  }
}

// Wins reached one by one: the rows' tops and the level after each.
TEST(LevelTest, RowHeightsAndLevelsAsTheWinsGrow) {
  const std::vector<std::tuple<int, float, float, std::string>> cases = {
      {14, 3480, 3000, "0"},  {15, 3380, 2900, "1"}, {16, 3380, 2900, "1"},
      {30, 3280, 2800, "2"},  {450, 480, 0, "30"},   {451, 1200, 1000, "30"},
      {465, 1100, 900, "31"}, {600, 200, 0, "40"},   {601, 1200, 1000, "40"}};
  Game game;
  game.HideAPair();
  for (int wins = 0; const auto& [target, ovalTop, squareTop, level] : cases) {
    for (; wins < target; ++wins) {
      forms::AddOne(game.form.l);
    }
    EXPECT_EQ(game.Tops(), Game::Rows(ovalTop, squareTop)) << "after " << wins << " wins";
    EXPECT_EQ(game.form.aa.Caption(), level) << "after " << wins << " wins";
  }
}

// A wins caption set with the square row at the given top, and every other case with a pair
// hidden: the rows' tops, the level and the run-time error after it.
TEST(LevelTest, TheResetComesBeforeTheLevelTestAndACaptionMustBeANumber) {
  const std::vector<std::tuple<std::string, float, float, float, std::string, int>> cases = {
      {"15", 0, 1100, 900, "1", 0},    {"0", 0, 1200, 1000, "0", 0},
      {"0", 100, 3480, 100, "0", 0},   {"7", -100, 1200, 1000, "0", 0},
      {"7x", 100, 3480, 100, "0", 13}, {"15x", 100, 3480, 100, "0", 13},
      {"+15", 100, 3380, 0, "1", 0},   {"+7", 100, 3480, 100, "0", 0}};
  bool hidden = false;
  for (const auto& [wins, squareTop, ovalAfter, squareAfter, level, error] : cases) {
    Game game;
    game.form.l.SetCaption("1");  // so that "0" is a change
    for (int i = 0; i < 3; ++i) {
      game.form.b(i).Top = squareTop;
    }
    hidden = !hidden;
    if (hidden) {
      game.HideAPair();
    }
    int raised = 0;
    try {
      game.form.l.SetCaption(wins);
    } catch (const forms::RuntimeError& runtimeError) {
      raised = runtimeError.Number();
    }
    EXPECT_EQ(std::tuple(raised, game.Tops(), game.form.aa.Caption()),
              std::tuple(error, Game::Rows(ovalAfter, squareAfter), level))
        << wins << " at " << squareTop;
  }
}

// Only a new caption of the wins counter runs the level test: after the fifteenth win, not the
// same caption again, and not a loss.
TEST(LevelTest, OnlyANewWinsCaptionRunsTheLevelTest) {
  using Form = playfield::Form1;
  const std::vector<std::pair<const char*, std::function<void(Form&)>>> cases = {
      {"the same caption", [](Form& f) { f.l.SetCaption("15"); }},
      {"a loss", [](Form& f) { f.k.SetCaption("1"); }}};
  for (const auto& [name, change] : cases) {
    Game game;
    game.form.l.SetCaption("15");
    change(game.form);
    EXPECT_EQ(std::pair(game.form.b(1).Top, game.form.aa.Caption()),
              std::pair(2900.0f, std::string("1")))
        << name;
  }
}

// From 1080, the cannon after presses of a key.
TEST(KeyPressTest, TheCannonStopsShortOfItsLimitsAndOtherKeysDoNothing) {
  const std::vector<std::tuple<float, char, int, float>> cases = {
      {1080, '4', 10, 80},  {1080, '4', 11, 80},  {1080, '6', 15, 2580},  {1080, '6', 16, 2580},
      {100, '4', 1, 100},   {2490, '6', 1, 2490}, {100.5F, '4', 1, 0.5F}, {1080, '5', 3, 1080},
      {1080, 'a', 1, 1080}, {1080, '\r', 1, 1080}};
  for (const auto& [start, key, presses, left] : cases) {
    Game game;
    game.form.p.Left = start;
    game.Press(key, presses);
    EXPECT_EQ(game.form.p.Left, left) << key << " x" << presses;
    EXPECT_FALSE(game.form.f.Visible || game.form.f.Top != 4440) << "no shot fired";
  }
}

TEST(KeyPressTest, TheSpaceBarFliesTheShotAndTheNextTickTestsOnlyTheLastShot) {
  Game game;
  game.Press(' ');
  EXPECT_EQ(std::tuple(game.form.f.Visible, game.form.f.Left, game.form.f.Top),
            std::tuple(true, 1320.0f, -35430.0f));
  game.Press('6', 5);
  EXPECT_EQ(game.form.f.Left, 1320) << "the cannon moves, the shot does not";
  game.Press(' ');
  EXPECT_EQ(game.form.f.Left, 1820);
  game.Clear();
  Game::Put(game.form.c(0), 1220, 3480);  // at 1320 after its step: in the first shot's column
  game.Tick();
  EXPECT_EQ(game.Wins(), "0");
}

}  // namespace
}  // namespace game
