// The simulator's player.
#include "RandomPlayer.h"

#include <cassert>
#include <vector>

namespace {

int RowOf(int cell) { return (cell - 1) / BoardSide; }
int ColumnOf(int cell) { return (cell - 1) % BoardSide; }
int CellAt(int row, int column) { return row * BoardSide + column + 1; }
bool OnBoard(int row, int column) { return row >= 0 && row < BoardSide && column >= 0 && column < BoardSide; }

// Balls of the colour (or jokers) that would stand in one line with a ball of `code` placed at `at`,
// the ball's old cell counted as empty.
int LongestLine(const TBoard& board, int from, int at, BallCode code) {
  const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
  int longest = 0;
  for (const auto& direction : directions) {
    int length = 1;
    for (const int sign : {1, -1}) {
      int row = RowOf(at) + sign * direction[0];
      int column = ColumnOf(at) + sign * direction[1];
      while (OnBoard(row, column)) {
        const int cell = CellAt(row, column);
        if (cell == from || (board[cell] != code && board[cell] != JokerBall)) break;
        ++length;
        row += sign * direction[0];
        column += sign * direction[1];
      }
    }
    if (length > longest) longest = length;
  }
  return longest;
}

}  // namespace

TOneBased<bool, CellCount> ReachableCells(const TBoard& board, int from) {
  TOneBased<bool, CellCount> reached;
  std::vector<int> queue{from};
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const int cell = queue[next];
    const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& step : steps) {
      const int row = RowOf(cell) + step[0];
      const int column = ColumnOf(cell) + step[1];
      if (!OnBoard(row, column)) continue;
      const int neighbour = CellAt(row, column);
      if (board[neighbour] != EmptyCell || reached[neighbour]) continue;
      reached[neighbour] = true;
      queue.push_back(neighbour);
    }
  }
  return reached;
}

TPlayerMove TRandomPlayer::ChooseMove(const TBoard& board) {
  std::vector<int> balls;
  for (int cell = 1; cell <= CellCount; ++cell)
    if (board[cell] != EmptyCell) balls.push_back(cell);
  assert(!balls.empty());
  const bool atRandom = Draw(4) == 0;
  const int offset = Draw(static_cast<int>(balls.size()));
  TPlayerMove chosen;
  int best = -1;
  // Mostly a player who looks at every ball for the longest line; sometimes one who moves at random.
  // A board with an empty cell always has a ball beside it, so some ball can move.
  for (std::size_t k = 0; k < balls.size(); ++k) {
    const int from = balls[(k + offset) % balls.size()];
    const TOneBased<bool, CellCount> reached = ReachableCells(board, from);
    std::vector<int> targets;
    for (int cell = 1; cell <= CellCount; ++cell)
      if (reached[cell]) targets.push_back(cell);
    if (targets.empty()) continue;
    if (atRandom) return {from, targets[Draw(static_cast<int>(targets.size()))]};
    for (const int target : targets) {
      const int length = LongestLine(board, from, target, board[from]);
      if (length > best) {
        best = length;
        chosen = {from, target};
      }
    }
  }
  assert(chosen.From != 0);
  return chosen;
}
