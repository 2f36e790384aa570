// Speed of the engine: the path finder's worst case, a full-board line scan, and whole games.
#include <benchmark/benchmark.h>

#include "GameSettings.h"
#include "HeadlessHost.h"
#include "Simulation.h"
#include "Stablo.h"

namespace {

TBoard FromRows(const char* rows) {
  TBoard board;
  int cell = 0;
  for (const char* c = rows; *c != '\0'; ++c) {
    if (*c == ' ') continue;
    ++cell;
    board[cell] = *c == '.' ? EmptyCell : *c == 'J' ? JokerBall : static_cast<BallCode>(*c - '0');
  }
  return board;
}

// Every empty cell lies on the one winding route from 1 to 81: the most nodes, the longest path.
void FindPathWorstCase(benchmark::State& state) {
  const TBoard board = FromRows(
      "5 . . . . . . . ."
      "1 1 1 1 1 1 1 1 ."
      ". . . . . . . . ."
      ". 1 1 1 1 1 1 1 1"
      ". . . . . . . . ."
      "1 1 1 1 1 1 1 1 ."
      ". . . . . . . . ."
      ". 1 1 1 1 1 1 1 1"
      ". . . . . . . . .");
  const TEdgeSets edges;
  TStablo finder(board, edges);
  for (auto _ : state) {
    finder.Reset();
    benchmark::DoNotOptimize(finder.FindPath(1, 81));
    finder.BuildPath();
    benchmark::DoNotOptimize(finder.PathLength);
  }
}
BENCHMARK(FindPathWorstCase);

// A full board but one cell: the new ball that fills it completes four lines of 17 entries each.
// One iteration is the whole turn: the move, the new ball, the scan of the full board and the removal,
// with the animations ticked on the simulated clock.
void FullBoardLineScanTurn(benchmark::State& state) {
  GameSettings = DefaultSettings;
  GameSettings.Jokers = 1;
  const TBoard board = FromRows(
      "J 4 5 5 J 3 2 5 J"
      "6 J 3 7 J 5 4 J 3"
      "2 5 J 4 J 6 J 6 6"
      "4 2 4 J J J 7 6 7"
      "J J J J J . J J 1"
      "2 4 4 J J J 6 7 7"
      "4 5 J 4 J 7 J 7 4"
      "4 J 7 3 J 6 2 J 5"
      "1 6 4 4 1 7 4 5 1");
  THeadlessHost host;
  TRandom random;
  TGame game(host, host, host, host, random);
  host.Attach(game);
  game.NewGame();
  host.RunUntilIdle();
  for (auto _ : state) {
    game.LoadPosition(board, {JokerBall, 2, 3});
    host.BoardEvents.clear();
    host.Effects.clear();
    game.PanelClick(41);
    game.PanelClick(42);
    host.RunUntilIdle();
    benchmark::DoNotOptimize(game.Fields().RemovalCount);
  }
}
BENCHMARK(FullBoardLineScanTurn);

void WholeGames(benchmark::State& state) {
  TSimulationOptions options;
  options.Level = static_cast<int>(state.range(0));
  options.Jokers = true;
  options.Bombs = true;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    options.Seed = seed++;
    benchmark::DoNotOptimize(Simulate(options).Turns);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WholeGames)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

BENCHMARK_MAIN();
