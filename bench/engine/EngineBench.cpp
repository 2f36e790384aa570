// Speed of the engine: the path finder's worst case, a full-board line scan, and whole games.
#include <benchmark/benchmark.h>

#include "BoardPicture.h"
#include "GameSettings.h"
#include "HeadlessHost.h"
#include "Simulation.h"
#include "Stablo.h"

namespace {

// Every empty cell lies on the one winding route from 1 to 81: the most nodes, the longest path.
void FindPathWorstCase(benchmark::State& state) {
  const TBoard board = BoardPicture(SerpentineBoard);
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
  const TBoard board = BoardPicture(JokerCrossBoard);
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
