// brindlow-history-demo FOLDER GAMES: records GAMES games played by the simulator's random player
// into FOLDER/History.db, through the game's own history, then opens the Statistics window on it.
// For looking at the window with a history of any size; GAMES 0 shows the history as it is.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "GameSettings.h"
#include "History.h"
#include "Simulation.h"
#include "StatisticsDialog.h"

namespace {

// Most games at Normal, some at Hard, a few at Impossible; jokers and bombs in some of them.
TSimulationOptions OptionsOfGame(int n) {
  TSimulationOptions options;
  options.Seed = static_cast<std::uint32_t>(n + 1);
  options.Level = n % 10 < 6 ? 0 : n % 10 < 9 ? 1 : 2;
  options.Jokers = n % 3 == 0;
  options.Bombs = n % 5 == 0;
  return options;
}

// The simulator reports removals, not lines: each removal stands for one line of its length.
TGameRecord PlayGame(int n, std::chrono::system_clock::time_point ended) {
  const TSimulationOptions options = OptionsOfGame(n);
  const TSimulationReport report = Simulate(options);
  TGameRecord game;
  game.SecondsPlayed = static_cast<int>(report.SimulatedMilliseconds / 1000);
  game.StartedAt = IsoUtc(ended - std::chrono::seconds(game.SecondsPlayed));
  game.EndedAt = IsoUtc(ended);
  game.Level = options.Level;
  game.Jokers = options.Jokers;
  game.Bombs = options.Bombs;
  game.Score = static_cast<int>(report.TotalScore);
  game.Moves = static_cast<int>(report.Turns);
  for (const int size : report.RemovalSizes) {
    if (size < FirstLineLength) continue;
    ++game.Lines;
    game.BallsCleared += size;
    game.LongestLine = std::max(game.LongestLine, std::min(size, LastLineLength));
    ++game.LinesByLength[static_cast<std::size_t>(std::min(size, LastLineLength) - FirstLineLength)];
  }
  game.UndoUsed = n % 7 == 0;
  game.EndReason = n % 11 == 0 ? TEndReason::New : TEndReason::Full;
  return game;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: brindlow-history-demo FOLDER GAMES\n");
    return 2;
  }
  const int games = std::atoi(argv[2]);
  THistory history(argv[1]);
  history.SetNotice([](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
  // The games end twenty minutes apart, the last one now.
  const auto now = std::chrono::system_clock::now();
  for (int n = 0; n < games; ++n) history.Record(PlayGame(n, now - std::chrono::minutes(20) * (games - 1 - n)));
  GameSettings = DefaultSettings;
  TfrmStatistics dialog(history);
  return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
