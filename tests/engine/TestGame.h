// A game on the headless host for tests, with boards written as nine-line pictures.
#pragma once

#include <initializer_list>
#include <string>

#include "BoardPicture.h"
#include "Game.h"
#include "GameKeeper.h"
#include "GameSettings.h"
#include "HeadlessHost.h"


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
