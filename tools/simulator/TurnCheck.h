// The invariants of the game state after every turn, checked against what the host saw happen.
#pragma once

#include <string>
#include <vector>

#include "HeadlessHost.h"

// Taken before a move; Check compares the game after the turn with what the rules allow.
class TTurnCheck {
public:
  TTurnCheck(const TGame& game, const THeadlessHost& host);

  // Problems found after the move from `from` to `to` and everything that followed; empty if none.
  std::vector<std::string> Check(int from, int to) const;

private:
  const TGame& Game;
  const THeadlessHost& Host;
  TBoard Before;
  TOneBased<BallCode, MaxBallsPerTurn> NextBefore;
  std::uint16_t ScoreBefore;
  std::size_t EventsBefore;
  std::size_t SubmittedBefore;
  int GamesBefore;
};

// The invariants that hold whenever no animation runs: bytes, pictures, selection, preview.
std::vector<std::string> CheckRestingState(const TGame& game, const THeadlessHost& host);
