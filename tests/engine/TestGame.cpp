// The tests' game helper.
#include "TestGame.h"

#include <cassert>

const char* const AlmostFull =
    "1 1 1 1 2 . 6 2 4"
    "6 2 6 3 2 2 5 5 2"
    "3 2 6 5 2 6 2 3 7"
    "7 6 2 6 6 5 2 3 2"
    "6 3 4 5 3 6 2 6 4"
    "6 7 3 2 6 6 7 3 4"
    "2 6 7 2 6 2 6 3 5"
    "7 6 5 4 5 6 5 4 4"
    "3 3 7 3 2 6 4 6 5";

const char* const Sparse =
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . 1 . . . 2"
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . .";

TTestGame::TTestGame(int level, bool jokers, bool bombs)
    : Keeper(Host, Host, Host, Host, Random, Variables), Game(Keeper.Game()) {
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
  Keeper.PanelClick(from);
  Keeper.PanelClick(to);
  Host.RunUntilIdle();
}
