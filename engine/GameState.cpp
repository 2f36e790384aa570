// The checks and counts of a game's state.
#include "GameState.h"

#include <algorithm>

int BallsPerTurnFor(int level) { return level == 1 ? 4 : level == 2 ? 5 : 3; }

void TGameStatistics::CountLine(int length) {
  ++LinesByLength[static_cast<std::size_t>(std::clamp(length, 5, LongestLineLength) - 5)];
  LongestLine = static_cast<std::uint8_t>(std::max<int>(LongestLine, length));
}

bool TGameState::Valid() const {
  if (Level > 2 || GameJokers > 1 || GameBombs > 1 || ScoreSubmitted > 1 || UndoUsed > 1) return false;
  for (const BallCode code : Board.Items)
    if (code > BombBall) return false;
  const int inUse = BallsPerTurnFor(Level);
  for (int i = 1; i <= MaxBallsPerTurn; ++i) {
    const BallCode code = NextBalls[i];
    if (i <= inUse ? code == EmptyCell || code > BombBall : code != EmptyCell) return false;
  }
  if (SelectedCell > CellCount || (SelectedCell != 0 && Board[SelectedCell] == EmptyCell)) return false;
  if (Random.Draws > MaxRestorableDraws) return false;
  return Statistics.LongestLine == 0 || (Statistics.LongestLine >= 5 && Statistics.LongestLine <= LongestLineLength);
}
