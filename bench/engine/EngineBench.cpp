// Speed of the engine: the path finder's worst cases against the reference search, a full-board line
// scan, whole games replayed from recorded moves, and whole games with the simulated player choosing.
#include <benchmark/benchmark.h>

#include "BoardPicture.h"
#include "GameSettings.h"
#include "HeadlessHost.h"
#include "RecordedGames.h"
#include "ReferenceStablo.h"
#include "Simulation.h"
#include "Stablo.h"

namespace {

// One search as the game asks it: reset, find, build the route.
template <typename Finder>
void FindPath(benchmark::State& state, const TBoard& board, int source, int target) {
  const TEdgeSets edges;
  Finder finder(board, edges);
  for (auto _ : state) {
    finder.Reset();
    benchmark::DoNotOptimize(finder.FindPath(source, target));
    finder.BuildPath();
    benchmark::DoNotOptimize(finder.PathLength);
  }
}

// Every empty cell lies on the one winding route from 1 to 81: the longest path.
template <typename Finder>
void SerpentineRoute(benchmark::State& state) {
  FindPath<Finder>(state, BoardPicture(SerpentineBoard), 1, 81);
}
BENCHMARK_TEMPLATE(SerpentineRoute, TStablo);
BENCHMARK_TEMPLATE(SerpentineRoute, TReferenceStablo);

// One ball in a corner of an empty board, the target in the opposite one and the last cell taken
// from the queue: every cell of the board becomes a node.
template <typename Finder>
void OpenBoardRoute(benchmark::State& state) {
  TBoard board;
  board[1] = 4;
  FindPath<Finder>(state, board, 1, 81);
}
BENCHMARK_TEMPLATE(OpenBoardRoute, TStablo);
BENCHMARK_TEMPLATE(OpenBoardRoute, TReferenceStablo);

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

// The engine's own speed: games the simulated player has played (before the clock starts) are played
// again move for move, so that the time is the turn rules, the path finder, the line scan and the
// animation ticks, and nothing of the player's choosing. Items are games; "turns" counts moves.
void ReplayedGames(benchmark::State& state) {
  const TGameRecording recording = RecordGames(static_cast<int>(state.range(0)), true, true, 16);
  TGameTable table(recording);
  std::size_t next = 0;
  long turns = 0;
  for (auto _ : state) {
    const TRecordedGame& game = recording.Games[next++ % recording.Games.size()];
    if (!table.Replay(game)) {
      state.SkipWithError("a replayed game ended otherwise than recorded");
      break;
    }
    turns += static_cast<long>(game.Moves.size());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["turns"] = benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
}
BENCHMARK(ReplayedGames)->Arg(0)->Arg(1)->Arg(2);

// Whole games with the simulated player choosing every move and every turn checked: the player's
// figure, beside the engine's own above.
void WholeGames(benchmark::State& state) {
  TSimulationOptions options;
  options.Level = static_cast<int>(state.range(0));
  options.Jokers = true;
  options.Bombs = true;
  std::uint32_t seed = 1;
  long turns = 0;
  for (auto _ : state) {
    options.Seed = seed++;
    const TSimulationReport report = Simulate(options);
    turns += report.Turns;
    benchmark::DoNotOptimize(report.Turns);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["turns"] = benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeGames)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

BENCHMARK_MAIN();
