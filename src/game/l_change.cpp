#include <cmath>

#include "forms/counter.h"
#include "forms/single.h"
#include "game/game_rules.h"

namespace game {
namespace {

constexpr double kLevelPeriod = 15;  // wins
constexpr double kRisePerLevel = 100;
constexpr float kResetOvalTop = 1200;
constexpr float kResetSquareTop = 1000;
constexpr float kTopEdge = 0;
constexpr int kLastIndex = 2;

// The wins are read twice, both readings always made: the leading number for the multiple
// test, the ordinary conversion (which raises for a caption that is no number) for the rest.
bool IsLevelUp(const forms::Label& wins) {
  const double multiple = forms::LeadingNumber(wins.Caption());
  const double value = forms::CounterValue(wins);
  const double quotient = multiple / kLevelPeriod;
  return quotient == std::floor(quotient) && value != 0;
}

}  // namespace

// The reset is tested before the level, so a level-up that brings the square row to the top
// edge leaves it there until the next win.
void l_Change(playfield::Form1& form) {
  if (form.b(0).Top <= kTopEdge) {
    for (int i = 0; i <= kLastIndex; ++i) {
      form.c(i).Top = kResetOvalTop;
      form.b(i).Top = kResetSquareTop;
    }
  }
  if (!IsLevelUp(form.l)) {
    return;
  }
  for (int i = 0; i <= kLastIndex; ++i) {
    form.c(i).Top = forms::ToSingle(static_cast<double>(form.c(i).Top) - kRisePerLevel);
    form.b(i).Top = forms::ToSingle(static_cast<double>(form.b(i).Top) - kRisePerLevel);
  }
  forms::AddOne(form.aa);
}

void ConnectHandlers(playfield::Form1& form) {
  form.l.Change = [&form] { l_Change(form); };
}

}  // namespace game
