// The history's row for a game the engine played: the one way the window, the tools and the tests
// turn a game into a record.
#pragma once

#include <chrono>

#include "Game.h"
#include "GameRecord.h"

// The game as it stands, ended for `reason`. `lines` counts the player's scoring lines (the sum of
// the lines by length), `balls_cleared` every ball that left the board: in those lines, in lines that
// new balls completed and in blasts. Seconds played run from start to end, pauses included.
TGameRecord RecordOfGame(const TGame& game, TEndReason reason, std::chrono::system_clock::time_point started,
                         std::chrono::system_clock::time_point ended);
