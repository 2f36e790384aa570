// The program's one random generator: uniform integers from 0 to k - 1, seeded from the clock.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

// Where a generator stands: the seed it was last given and the number of values drawn since.
// Replaying them rebuilds the engine's whole state exactly, and keeps a kept state twelve bytes long
// and the same with every standard library (a copy of the engine's words would take 2.5 KB per move).
struct TRandomState {
  std::uint32_t Seed = 0;
  std::uint64_t Draws = 0;

  friend bool operator==(const TRandomState&, const TRandomState&) = default;
};

// Restoring replays the draws at a few nanoseconds each; a state beyond this many (millions of turns
// away from any real game) is not restored, so that no file can make the program replay for minutes.
inline constexpr std::uint64_t MaxRestorableDraws = std::uint64_t{1} << 28;

// std::mt19937's output is fixed by the C++ standard, and Random() bounds it with our own
// rejection step, so one seed gives the same draws with every standard library.
class TRandom {
public:
  using TSeedSource = std::function<std::uint32_t()>;

  TRandom();

  // Seeds from the seed source: the clock, unless a test has installed its own.
  void Randomize();
  void Seed(std::uint32_t seed);
  // Uniform integer from 0 to k - 1; k must be at least 1.
  int Random(int k);

  TRandomState State() const { return Where; }
  // Puts the generator where State() was taken: the same draws follow. Draws <= MaxRestorableDraws.
  void Restore(const TRandomState& state);

  // Tests replace the clock so that every Randomize() of a game is reproducible.
  void SetSeedSource(TSeedSource source);

private:
  std::mt19937 Engine;
  TRandomState Where;  // every value taken from Engine is counted here
  TSeedSource SeedSource;
};

// The generator shared by the turn rules, the default score table and the song choice.
TRandom& ProgramRandom();
