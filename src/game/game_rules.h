#pragma once

#include "playfield/form1.h"

namespace game {

// Runs on every tick of Timer1.
void Timer1_Timer(playfield::Form1& form);

}  // namespace game
