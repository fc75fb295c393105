#include "forms/single.h"
#include "game/game_rules.h"

namespace game {
namespace {

constexpr std::int16_t kLeftKey = 52;   // "4"
constexpr std::int16_t kRightKey = 54;  // "6"
constexpr std::int16_t kFireKey = 32;   // space
constexpr double kCannonStep = 100;
constexpr float kLeftLimit = 0;      // a move that ends at or left of it is undone
constexpr float kRightLimit = 2590;  // a move that ends at or right of it is undone
constexpr double kMuzzleRight = 240;
constexpr double kMuzzleAbove = 100;
constexpr int kLastFlightStep = 4000;
constexpr double kFlightStep = 10;

float Moved(float left, double by) {
  return forms::ToSingle(static_cast<double>(left) + by);
}

// The whole flight runs here, between two ticks; the next tick decides what it hit.
void Fire(const forms::Image& cannon, forms::Image& shot) {
  shot.Visible = true;
  shot.Left = Moved(cannon.Left, kMuzzleRight);
  shot.Top = Moved(cannon.Top, -kMuzzleAbove);
  for (int step = 0; step <= kLastFlightStep; ++step) {
    shot.Top = Moved(shot.Top, -kFlightStep);
  }
}

}  // namespace

void Form_KeyPress(playfield::Form1& form, std::int16_t& KeyAscii) {
  forms::Image& cannon = form.p;
  if (KeyAscii == kLeftKey) {
    cannon.Left = Moved(cannon.Left, -kCannonStep);
  }
  if (KeyAscii == kLeftKey && cannon.Left <= kLeftLimit) {
    cannon.Left = Moved(cannon.Left, kCannonStep);
  }
  if (KeyAscii == kRightKey) {
    cannon.Left = Moved(cannon.Left, kCannonStep);
  }
  if (KeyAscii == kRightKey && cannon.Left >= kRightLimit) {
    cannon.Left = Moved(cannon.Left, -kCannonStep);
  }
  if (KeyAscii != kFireKey) {
    return;
  }
  Fire(cannon, form.f);
}

}  // namespace game
