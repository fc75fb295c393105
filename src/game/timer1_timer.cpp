#include "forms/counter.h"
#include "forms/single.h"
#include "game/game_rules.h"

namespace game {
namespace {

constexpr double kStep = 100;          // twips a target moves right on every tick
constexpr float kRightBound = 2880;    // a target at or past it has escaped
constexpr float kReentryLeft = -1000;  // where it comes back in, whatever its overshoot
constexpr double kHitWindow = 100;     // the leftmost twips of a target that a shot can hit
constexpr float kParkedTop = 40000;    // a parked shot is below and right of every target
constexpr float kParkedLeft = 100000;
constexpr int kLastIndex = 2;

void StepTarget(forms::Image& target, forms::Label& losses) {
  target.Left = forms::ToSingle(static_cast<double>(target.Left) + kStep);
  if (target.Visible && target.Left >= kRightBound) {
    forms::AddOne(losses);
  }
  if (target.Left >= kRightBound) {
    target.Left = kReentryLeft;
    target.Visible = true;
  }
}

// Left and top edges only; a hidden target is hit all the same.
bool ShotHits(const forms::Image& shot, const forms::Image& target) {
  const float windowEnd = forms::ToSingle(static_cast<double>(target.Left) + kHitWindow);
  return shot.Left >= target.Left && shot.Left <= windowEnd && shot.Top <= target.Top;
}

}  // namespace

// The rows are handled index by index, interleaved. A win runs l_Change at once, so the tests
// after it in the same tick see the rows at their new heights.
void Timer1_Timer(playfield::Form1& form) {
  for (int i = 0; i <= kLastIndex; ++i) {
    StepTarget(form.c(i), form.k);
    StepTarget(form.b(i), form.k);
    if (ShotHits(form.f, form.c(i))) {
      forms::AddOne(form.l);
      form.c(i).Visible = false;
    }
    if (ShotHits(form.f, form.b(i))) {
      form.b(i).Visible = false;
      forms::AddOne(form.l);
    }
  }
  form.f.Visible = false;
  form.f.Top = kParkedTop;
  form.f.Left = kParkedLeft;
}

}  // namespace game
