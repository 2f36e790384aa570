// The simulator's game loop.
#include "Simulation.h"

#include <algorithm>

#include "GameSettings.h"
#include "HeadlessHost.h"
#include "RandomPlayer.h"
#include "TurnCheck.h"
#include "UndoCheck.h"

namespace {

const char* const LevelNames[] = {"Normal", "Hard", "Impossible"};

void Record(TSimulationReport& report, int game, long turn, const std::vector<std::string>& problems) {
  for (const std::string& problem : problems)
    report.Violations.push_back("game " + std::to_string(game) + ", turn " + std::to_string(turn) + ": " + problem);
}

}  // namespace

TSimulationReport Simulate(const TSimulationOptions& options, std::ostream* log) {
  GameSettings = DefaultSettings;
  GameSettings.Level = static_cast<std::uint8_t>(options.Level);
  GameSettings.Jokers = options.Jokers ? 1 : 0;
  GameSettings.Bombs = options.Bombs ? 1 : 0;

  TSimulationReport report;
  THeadlessHost host;
  TRandom random;
  std::uint32_t gameSeed = options.Seed;
  random.SetSeedSource([&gameSeed] { return gameSeed; });
  TGameVariables variables;
  TGameKeeper keeper(host, host, host, host, random, variables);
  TGame& game = keeper.Game();
  host.Attach(game);
  TRandomPlayer player(options.Seed ^ 0x9e3779b9u);
  // A second game that takes up saved positions of the first and must then play on exactly like it.
  THeadlessHost twinHost;
  TRandom twinRandom;
  TGameVariables twinVariables;
  TGameKeeper twin(twinHost, twinHost, twinHost, twinHost, twinRandom, twinVariables);
  twinHost.Attach(twin.Game());
  long outsideClicks = 0;  // scripted clicks that have arrived; one may arrive in a later turn or game

  for (int g = 1; g <= options.Games; ++g) {
    gameSeed = options.Seed * 1000003u + static_cast<std::uint32_t>(g);
    game.RequestNewGame();
    host.RunUntilIdle();
    Record(report, g, 0, CheckRestingState(game, host));
    if (CountEmptyCells(game.Fields().Board) != CellCount - 5) Record(report, g, 0, {"a new game did not start with five balls"});

    std::vector<TReplayableTurn> recent;  // the last turns of this game that undo may take back
    long turns = 0;
    long removalsBefore = std::count_if(host.BoardEvents.begin(), host.BoardEvents.end(), [](const auto& e) { return !e.Spawn; });
    while (CountEmptyCells(game.Fields().Board) > 0 && turns < options.MaxTurnsPerGame) {
      ++turns;
      const int gamesBefore = host.GamesStarted;
      const TPlayerMove move = player.ChooseMove(game.Fields().Board);
      const TTurnCheck check(game, host);
      if (options.ClicksDuringWaits && player.Draw(8) == 0) {
        const int cell = player.Draw(CellCount) + 1;
        host.At(host.Now() + player.Draw(400), [&keeper, &outsideClicks, cell] {
          ++outsideClicks;
          keeper.PanelClick(cell);
        });
      }
      const long outsideClicksBefore = outsideClicks;
      keeper.PanelClick(move.From);
      const TGameState before = game.State();
      const bool saveCheck = options.SaveCheckEvery > 0 && player.Draw(options.SaveCheckEvery) == 0;
      if (saveCheck) {
        Record(report, g, turns, CheckSaveAndLoad(keeper, twin));
        ++report.SavesChecked;
      }
      keeper.PanelClick(move.To);
      if (!game.TimerEnabled(TAnimationTimer::Move)) Record(report, g, turns, {"a reachable cell was refused"});
      host.RunUntilIdle();
      Record(report, g, turns, check.Check(move.From, move.To));
      const bool sameGame = host.GamesStarted == gamesBefore;
      const bool undisturbed = outsideClicks == outsideClicksBefore && sameGame;
      if (saveCheck && undisturbed) {
        twin.PanelClick(move.To);
        twinHost.RunUntilIdle();
        if (twin.Game().State() != game.State()) Record(report, g, turns, {"a resumed game played on differently"});
      }
      if (!undisturbed) {
        recent.clear();
      } else {
        recent.push_back({move, before, game.State()});
        if (recent.size() > 3) recent.erase(recent.begin());
        if (options.UndoCheckEvery > 0 && !host.InputPending() && player.Draw(options.UndoCheckEvery) == 0) {
          const std::size_t count = 1 + static_cast<std::size_t>(player.Draw(static_cast<int>(recent.size())));
          const std::vector<std::string> problems = CheckUndoAndReplay(keeper, host, std::span(recent).last(count));
          Record(report, g, turns, problems);
          report.Undos += static_cast<long>(count);
          // A failed replay leaves the game's history and this list apart.
          if (!problems.empty()) recent.clear();
        }
      }
      for (const auto& event : host.BoardEvents)
        if (!event.Spawn) report.LargestRemoval = std::max<int>(report.LargestRemoval, static_cast<int>(event.Cells.size()));
      host.Effects.clear();
      if (host.GamesStarted != gamesBefore) break;  // a click held during the turn started a new game
      if (report.Violations.size() > 50) break;
    }
    if (options.GameEnded) options.GameEnded(game);
    report.Removals += std::count_if(host.BoardEvents.begin(), host.BoardEvents.end(), [](const auto& e) { return !e.Spawn; }) - removalsBefore;
    for (const auto& event : host.BoardEvents)
      if (!event.Spawn) report.RemovalSizes.push_back(static_cast<int>(event.Cells.size()));
    host.BoardEvents.clear();
    ++report.Games;
    report.Turns += turns;
    report.TotalScore += game.Variables.Score;
    report.BestScore = std::max<int>(report.BestScore, game.Variables.Score);
    if (log != nullptr) {
      *log << "game " << g << ": " << LevelNames[std::clamp(options.Level, 0, 2)] << (options.Jokers ? ", jokers" : "")
           << (options.Bombs ? ", bombs" : "") << ", " << turns << " turns, score " << game.Variables.Score << "\n";
    }
    if (report.Violations.size() > 50) break;
  }
  report.SimulatedMilliseconds = host.Now();
  return report;
}
