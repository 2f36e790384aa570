// One game as it stands between two turns: everything needed to go on playing it exactly.
#pragma once

#include <array>
#include <cstdint>

#include "Board.h"
#include "Random.h"

inline constexpr int MaxBallsPerTurn = 5;
inline constexpr int LongestLineLength = BoardSide;

// New balls per turn: 3 at Normal (0), 4 at Hard (1), 5 at Impossible (2).
int BallsPerTurnFor(int level);

// What a game has done so far, kept for the player's history and taken back with a move.
struct TGameStatistics {
  std::uint32_t Moves = 0;  // moves that set a ball going
  // Scoring lines by their number of balls, 5 to 9 at index 0 to 4; a line's shared jokers count in each.
  std::array<std::uint32_t, LongestLineLength - 4> LinesByLength{};
  // Balls that left the board: in the player's lines, in the lines of new balls and in blasts.
  std::uint32_t BallsCleared = 0;
  std::uint8_t LongestLine = 0;  // balls in the longest scoring line, 0 before the first

  void CountLine(int length);

  friend bool operator==(const TGameStatistics&, const TGameStatistics&) = default;
};

// Taken only while no turn runs; a selected ball is part of it (it jumps again once restored).
struct TGameState {
  TBoard Board;
  TOneBased<BallCode, MaxBallsPerTurn> NextBalls;  // 1..BallsPerTurnFor(Level) in use, the rest 0
  std::uint8_t Level = 0;       // the level the game started at: 0 Normal, 1 Hard, 2 Impossible
  std::uint8_t GameJokers = 0;  // the options the game started with
  std::uint8_t GameBombs = 0;
  std::uint16_t Score = 0;
  std::uint8_t ScoreSubmitted = 0;
  std::uint8_t UndoUsed = 0;  // a move of this game has been taken back
  std::uint8_t SelectedCell = 0;
  TRandomState Random;
  TGameStatistics Statistics;

  // Whether the state is one the game can be put in: codes, level, flags, selection, generator.
  // A state read from outside must pass before it is restored.
  bool Valid() const;

  friend bool operator==(const TGameState&, const TGameState&) = default;
};
