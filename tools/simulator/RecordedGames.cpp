// Recording games and playing them again.
#include "RecordedGames.h"

#include "GameSettings.h"

TGameTable::TGameTable(const TGameRecording& recording) : Game(Host, Host, Host, Host, Random) {
  GameSettings = DefaultSettings;
  GameSettings.Level = static_cast<std::uint8_t>(recording.Level);
  GameSettings.Jokers = recording.Jokers ? 1 : 0;
  GameSettings.Bombs = recording.Bombs ? 1 : 0;
  Random.SetSeedSource([this] { return Seed; });
  Host.Attach(Game);
}

void TGameTable::StartGame(std::uint32_t seed) {
  Seed = seed;
  Game.RequestNewGame();
  Host.RunUntilIdle();
}

void TGameTable::Move(TPlayerMove move) {
  Game.PanelClick(move.From);
  Game.PanelClick(move.To);
  Host.RunUntilIdle();
  Host.BoardEvents.clear();
  Host.Effects.clear();
}

bool TGameTable::Replay(const TRecordedGame& recorded) {
  StartGame(recorded.Seed);
  for (const TPlayerMove& move : recorded.Moves) Move(move);
  return Board() == recorded.Board && Score() == recorded.Score;
}

TGameRecording RecordGames(int level, bool jokers, bool bombs, int games, int maxTurns) {
  TGameRecording recording{level, jokers, bombs, {}};
  TGameTable table(recording);
  TRandomPlayer player(static_cast<std::uint32_t>(level) + 1);
  for (int g = 1; g <= games; ++g) {
    TRecordedGame game;
    game.Seed = static_cast<std::uint32_t>(g);
    table.StartGame(game.Seed);
    while (!table.Over() && static_cast<int>(game.Moves.size()) < maxTurns) {
      game.Moves.push_back(player.ChooseMove(table.Board()));
      table.Move(game.Moves.back());
    }
    game.Board = table.Board();
    game.Score = table.Score();
    recording.Games.push_back(std::move(game));
  }
  return recording;
}
