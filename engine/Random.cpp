// The program's one random generator.
#include "Random.h"

#include <cassert>
#include <chrono>

namespace {

std::uint32_t ClockSeed() {
  return static_cast<std::uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

TRandom::TRandom() : SeedSource(ClockSeed) { Seed(ClockSeed()); }

void TRandom::Randomize() { Seed(SeedSource()); }

void TRandom::Seed(std::uint32_t seed) {
  Engine.seed(seed);
  Where = {seed, 0};
}

void TRandom::Restore(const TRandomState& state) {
  assert(state.Draws <= MaxRestorableDraws);
  Seed(state.Seed);
  Engine.discard(state.Draws);
  Where.Draws = state.Draws;
}

int TRandom::Random(int k) {
  assert(k >= 1);
  const std::uint64_t range = 1ull << 32;
  const std::uint64_t bound = static_cast<std::uint64_t>(k);
  // Draws at or above the largest multiple of k would favour the small results.
  const std::uint64_t limit = range - range % bound;
  std::uint64_t draw;
  do {
    draw = Engine();
    ++Where.Draws;
  } while (draw >= limit);
  return static_cast<int>(draw % bound);
}

void TRandom::SetSeedSource(TSeedSource source) { SeedSource = std::move(source); }

TRandom& ProgramRandom() {
  static TRandom generator;
  return generator;
}
