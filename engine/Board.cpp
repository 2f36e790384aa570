// Queries over the board.
#include "Board.h"

#include <algorithm>

int CountEmptyCells(const TBoard& board) {
  return static_cast<int>(std::count(board.Items.begin(), board.Items.end(), EmptyCell));
}
