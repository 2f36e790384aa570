// Whole games recorded move by move and played again without the player, to time the engine alone.
#pragma once

#include <cstdint>
#include <vector>

#include "HeadlessHost.h"
#include "RandomPlayer.h"

struct TRecordedGame {
  std::uint32_t Seed = 0;  // what the game's generator draws its seed from at the new game
  std::vector<TPlayerMove> Moves;
  // How the game ended.
  TBoard Board;
  std::uint16_t Score = 0;
};

struct TGameRecording {
  int Level = 0;  // 0 Normal, 1 Hard, 2 Impossible
  bool Jokers = false;
  bool Bombs = false;
  std::vector<TRecordedGame> Games;
};

// One game object on a headless host with fixed seeds, on which games are played move by move.
class TGameTable {
public:
  // Sets GameSettings for the recording's level and options.
  explicit TGameTable(const TGameRecording& recording);
  TGameTable(const TGameTable&) = delete;
  TGameTable& operator=(const TGameTable&) = delete;

  void StartGame(std::uint32_t seed);
  // Clicks the ball and the target and plays the turn to its end; the host keeps no record of it.
  void Move(TPlayerMove move);
  bool Over() const { return CountEmptyCells(Game.Fields().Board) == 0; }
  const TBoard& Board() const { return Game.Fields().Board; }
  std::uint16_t Score() const { return Game.Variables.Score; }
  // Plays a recorded game from its new game on; false unless it ends with the recorded board and score.
  bool Replay(const TRecordedGame& recorded);

private:
  THeadlessHost Host;
  TRandom Random;
  std::uint32_t Seed = 0;
  TGame Game;
};

// Games seeded 1 to `games`, played by the simulated player until the board is full (or for at most
// `maxTurns` moves).
TGameRecording RecordGames(int level, bool jokers, bool bombs, int games, int maxTurns = 5000);
