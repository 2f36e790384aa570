// The tests' game helper.
#include "TestGame.h"

#include <cassert>

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
