// A game on the headless host for tests, with boards written as nine-line pictures.
#pragma once

#include <initializer_list>
#include <string>

#include "BoardPicture.h"
#include "Game.h"
#include "GameKeeper.h"
#include "GameSettings.h"
#include "HeadlessHost.h"

// Full but for cell 6. The 2 at 5 can step to 6; then 5 is the only empty cell, so the first new ball
// lands there, and a 1 completes the top row.
extern const char* const AlmostFull;
// A 1 at cell 41 and a 2 at cell 45 on an empty board.
extern const char* const Sparse;

// A game whose generator gives the same draws on every run, with every effect switched on.
struct TTestGame {
  THeadlessHost Host;
  TRandom Random;
  TGameVariables Variables;
  TGameKeeper Keeper;
  TGame& Game;

  explicit TTestGame(int level = 0, bool jokers = false, bool bombs = false);
  // A started game set to a position; the next balls must be one per ball of a turn.
  void Load(const std::string& rows, std::initializer_list<BallCode> next);
  // Clicks the ball, then the target (through the keeper, which keeps the state to undo), and plays
  // the turn to its end.
  void Move(int from, int to);
  const TGameFields& Fields() const { return Game.Fields(); }
};
