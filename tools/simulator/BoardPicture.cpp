// Reading boards from text pictures.
#include "BoardPicture.h"

#include <stdexcept>

TBoard BoardPicture(const std::string& rows) {
  TBoard board;
  int cell = 0;
  for (const char c : rows) {
    if (c == ' ' || c == '\n') continue;
    ++cell;
    if (cell > CellCount) throw std::invalid_argument("a board picture has more than 81 cells");
    if (c == '.') board[cell] = EmptyCell;
    else if (c >= '1' && c <= '7') board[cell] = static_cast<BallCode>(c - '0');
    else if (c == 'J') board[cell] = JokerBall;
    else if (c == 'B') board[cell] = BombBall;
    else throw std::invalid_argument(std::string("unknown cell in a board picture: ") + c);
  }
  if (cell != CellCount) throw std::invalid_argument("a board picture needs 81 cells");
  return board;
}

std::string DrawBoard(const TBoard& board) {
  std::string picture;
  for (int cell = 1; cell <= CellCount; ++cell) {
    const BallCode code = board[cell];
    picture += code == EmptyCell ? '.' : code == JokerBall ? 'J' : code == BombBall ? 'B' : static_cast<char>('0' + code);
    if (cell % BoardSide == 0) picture += '\n';
  }
  return picture;
}

const char* const SerpentineBoard =
    "5 . . . . . . . ."
    "1 1 1 1 1 1 1 1 ."
    ". . . . . . . . ."
    ". 1 1 1 1 1 1 1 1"
    ". . . . . . . . ."
    "1 1 1 1 1 1 1 1 ."
    ". . . . . . . . ."
    ". 1 1 1 1 1 1 1 1"
    ". . . . . . . . .";

const char* const JokerCrossBoard =
    "J 4 5 5 J 3 2 5 J"
    "6 J 3 7 J 5 4 J 3"
    "2 5 J 4 J 6 J 6 6"
    "4 2 4 J J J 7 6 7"
    "J J J J J . J J 1"
    "2 4 4 J J J 6 7 7"
    "4 5 J 4 J 7 J 7 4"
    "4 J 7 3 J 6 2 J 5"
    "1 6 4 4 1 7 4 5 1";
