// Whole games played by the random player through the game's click handler, every turn checked.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

class TGame;

struct TSimulationOptions {
  int Games = 1;
  std::uint32_t Seed = 1;
  int Level = 0;  // 0 Normal, 1 Hard, 2 Impossible
  bool Jokers = false;
  bool Bombs = false;
  // Clicks that arrive while animations run, some on a full board, to exercise the guards and holds.
  bool ClicksDuringWaits = true;
  int MaxTurnsPerGame = 5000;
  // About one turn in this many takes the last one to three moves back and plays them again (0: never).
  int UndoCheckEvery = 6;
  // About one turn in this many passes the game through the saved game's format into a second game,
  // which must then make the turn's move exactly like the first (0: never).
  int SaveCheckEvery = 8;
  // Told of each game as it ends (its board full or its turns used up), the game still on the board.
  std::function<void(const TGame& game)> GameEnded;
};

struct TSimulationReport {
  int Games = 0;
  long Turns = 0;
  long Removals = 0;
  long TotalScore = 0;
  int BestScore = 0;
  int LargestRemoval = 0;
  long Undos = 0;         // moves taken back and played again
  long SavesChecked = 0;  // positions saved and resumed
  std::vector<int> RemovalSizes;  // the entries of each removal, in the order they happened
  std::int64_t SimulatedMilliseconds = 0;
  std::vector<std::string> Violations;  // each with its game and turn
};

// Sets GameSettings for the options; `log`, when given, gets one line per game.
TSimulationReport Simulate(const TSimulationOptions& options, std::ostream* log = nullptr);
