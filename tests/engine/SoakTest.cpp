// Whole games at every level, played through the click handler with every turn checked, moves taken
// back and replayed, and positions passed through the saved game.
#include <gtest/gtest.h>

#include "Simulation.h"

namespace {

void ExpectCleanGames(const TSimulationOptions& options) {
  const TSimulationReport report = Simulate(options);
  EXPECT_EQ(report.Games, options.Games);
  EXPECT_GT(report.Removals, 0);
  for (const std::string& violation : report.Violations) ADD_FAILURE() << violation;
}

}  // namespace

TEST(Soak, AThousandGamesAtEveryLevelWithJokersAndBombs) {
  for (int level = 0; level <= 2; ++level) {
    TSimulationOptions options;
    options.Games = 1000;
    options.Seed = 4242 + static_cast<std::uint32_t>(level);
    options.Level = level;
    options.Jokers = true;
    options.Bombs = true;
    ExpectCleanGames(options);
  }
}

TEST(Soak, GamesWithoutOptionsBringOnlyColours) {
  for (int level = 0; level <= 2; ++level) {
    TSimulationOptions options;
    options.Games = 200;
    options.Seed = 77 + static_cast<std::uint32_t>(level);
    options.Level = level;
    ExpectCleanGames(options);
  }
}

TEST(Soak, MovesTakenBackAndSavedGamesComeBackExactly) {
  TSimulationOptions options;
  options.Games = 1000;
  options.Seed = 909;
  options.Level = 1;
  options.Jokers = true;
  options.Bombs = true;
  options.UndoCheckEvery = 2;
  options.SaveCheckEvery = 3;
  const TSimulationReport report = Simulate(options);
  EXPECT_GT(report.Undos, 5000);
  EXPECT_GT(report.SavesChecked, 5000);
  for (const std::string& violation : report.Violations) ADD_FAILURE() << violation;
}
