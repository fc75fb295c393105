#pragma once

#include <cstdint>

#include "playfield/form1.h"

// The game rules: handlers over Form1, run one event at a time.
namespace game {

// Moves every target a step right, counts escapes, decides hits, and parks the shot.
void Timer1_Timer(playfield::Form1& form);

// "4" and "6" move the cannon, the space bar fires; every other character does nothing.
void Form_KeyPress(playfield::Form1& form, std::int16_t& KeyAscii);

// Every fifteenth win lifts both rows and raises the level; rows at the top start over.
void l_Change(playfield::Form1& form);

// Makes a change of the wins counter run l_Change inside the statement that set it.
void ConnectHandlers(playfield::Form1& form);

}  // namespace game
