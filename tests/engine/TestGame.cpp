// The tests' game helper.
#include "TestGame.h"

#include <cassert>
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

TTestGame::TTestGame(int level, bool jokers, bool bombs) : Game(Host, Host, Host, Host, Random) {
  GameSettings = DefaultSettings;
  GameSettings.Level = static_cast<std::uint8_t>(level);
  GameSettings.Jokers = jokers ? 1 : 0;
  GameSettings.Bombs = bombs ? 1 : 0;
  Random.SetSeedSource([] { return 20240611u; });
  Host.Attach(Game);
  Host.RecordTicks = true;
}

void TTestGame::Load(const std::string& rows, std::initializer_list<BallCode> next) {
  Game.NewGame();
  Game.LoadPosition(BoardPicture(rows), next);
  Host.Ticks.clear();
  Host.Effects.clear();
  Host.BoardEvents.clear();
  Host.Submitted.clear();
}

void TTestGame::Move(int from, int to) {
  Game.PanelClick(from);
  Game.PanelClick(to);
  Host.RunUntilIdle();
}
