// Speed of painting the art at a chosen size: all four sprite sets (80 slots) and the start picture, at
// the classic scale as the baseline and at the larger ones the zoom steps ask for.
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "SpriteCatalog.h"
#include "StartPicture.h"

namespace {

// The benchmark's argument is the scale in quarters, so that 1.25 and 2.5 fit an integer.
double Scale(const benchmark::State& state) { return static_cast<double>(state.range(0)) / 4; }

void SpriteSets(benchmark::State& state, TBallMarking marking) {
  const double scale = Scale(state);
  for (auto _ : state) benchmark::DoNotOptimize(RenderSpriteSheet(scale, marking));
}

void PlainSpriteSets(benchmark::State& state) { SpriteSets(state, TBallMarking::Plain); }
void SymbolSpriteSets(benchmark::State& state) { SpriteSets(state, TBallMarking::Symbols); }

void StartPicture(benchmark::State& state) {
  const double scale = Scale(state);
  for (auto _ : state) benchmark::DoNotOptimize(RenderStartPicture(scale));
}

}  // namespace

BENCHMARK(PlainSpriteSets)->Arg(4)->Arg(6)->Arg(12)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(SymbolSpriteSets)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK(StartPicture)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // The start picture's text needs the font database of a GUI application; no window is opened.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
