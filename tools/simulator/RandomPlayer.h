// A seeded player that picks a movable ball and a reachable empty cell, often one that makes a line.
#pragma once

#include <cstdint>
#include <random>

#include "Board.h"

struct TPlayerMove {
  int From = 0;
  int To = 0;
};

class TRandomPlayer {
public:
  explicit TRandomPlayer(std::uint32_t seed) : Engine(seed) {}

  // A move whose target the ball can reach; the board must have an empty cell and a ball.
  TPlayerMove ChooseMove(const TBoard& board);
  // Uniform integer from 0 to k - 1.
  int Draw(int k) { return std::uniform_int_distribution<int>(0, k - 1)(Engine); }

private:
  std::mt19937 Engine;
};

// The empty cells a ball at `from` can reach through side-sharing steps, worked out by rows and
// columns (independently of the game's own path finder, which the simulator checks against it).
TOneBased<bool, CellCount> ReachableCells(const TBoard& board, int from);
