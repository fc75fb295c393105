#include "game/game_rules.h"

namespace game {

void Timer1_Timer(playfield::Form1& /*form*/) {}

}  // namespace game
