// The program's one random generator: uniform integers from 0 to k - 1, seeded from the clock.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

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

  // Tests replace the clock so that every Randomize() of a game is reproducible.
  void SetSeedSource(TSeedSource source);

private:
  std::mt19937 Engine;
  TSeedSource SeedSource;
};

// The generator shared by the turn rules, the default score table and the song choice.
TRandom& ProgramRandom();
