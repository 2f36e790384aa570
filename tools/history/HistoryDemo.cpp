// brindlow-history-demo FOLDER GAMES: records GAMES games played by the simulator's random player
// into FOLDER/History.db, through the game's own history and the rows the window takes of a game,
// then opens the Statistics window on it.
// For looking at the window with a history of any size; GAMES 0 shows the history as it is.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "EndedGame.h"
#include "GameSettings.h"
#include "History.h"
#include "Simulation.h"
#include "StatisticsDialog.h"

namespace {

// A player's pace: the ball's walk and the time to pick the next move.
constexpr std::chrono::seconds SecondsPerMove{4};

// Most games at Normal, some at Hard, a few at Impossible; jokers and bombs in some of them; some
// games with moves taken back, and some left for a new game before the board is full.
TSimulationOptions OptionsOfGame(int n) {
  TSimulationOptions options;
  options.Seed = static_cast<std::uint32_t>(n + 1);
  options.Level = n % 10 < 6 ? 0 : n % 10 < 9 ? 1 : 2;
  options.Jokers = n % 3 == 0;
  options.Bombs = n % 5 == 0;
  options.ClicksDuringWaits = false;
  options.SaveCheckEvery = 0;
  options.UndoCheckEvery = n % 7 == 0 ? 4 : 0;
  if (n % 11 == 0) options.MaxTurnsPerGame = 20 + n % 40;
  return options;
}

// The game's row as the window would take it, from the engine's own counts.
TGameRecord PlayGame(int n, std::chrono::system_clock::time_point ended) {
  TSimulationOptions options = OptionsOfGame(n);
  TGameRecord game;
  options.GameEnded = [&game, ended](const TGame& played) {
    const TEndReason reason = CountEmptyCells(played.Fields().Board) == 0 ? TEndReason::Full : TEndReason::New;
    const auto started = ended - SecondsPerMove * played.GameStatistics().Moves;
    game = RecordOfGame(played, reason, started, ended);
  };
  Simulate(options);
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
