// The program-wide variables of the running game that the score lists read and write.
#pragma once

#include <cstdint>

struct TGameVariables {
  std::uint16_t Score = 0;          // points of the running game; stops at 65535
  std::uint8_t GameJokers = 0;      // jokers in play, as taken when the game started
  std::uint8_t GameBombs = 0;       // bombs in play, as taken when the game started
  std::uint8_t ScoreSubmitted = 0;  // 1 once the running game's score has been offered
  std::uint8_t LastRank = 0;        // place (1..10) that the last record filled, 0 for none
  std::uint8_t UndoUsed = 0;        // 1 once a move of the running game was taken back: never offered
};
