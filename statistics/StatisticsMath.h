// The figures of the Statistics window, worked out from the recorded games of one level.
#pragma once

#include <cstdint>
#include <vector>

#include "GameRecord.h"

struct TLevelSummary {
  int Games = 0;
  int Best = 0;
  double Average = 0;
  double Median = 0;
  std::int64_t SecondsPlayed = 0;
  TLinesByLength LinesByLength{};
  int LongestLine = 0;
  int GamesWithUndo = 0;
};

TLevelSummary Summarize(const std::vector<TGameRecord>& games, int level);

// The scores of the level's games in the order they were played.
std::vector<int> ScoresOf(const std::vector<TGameRecord>& games, int level);

// The middle value, or the mean of the two middle values; 0 for none.
double Median(std::vector<int> values);

// At each place the mean of the last `window` values up to it; the first places, with fewer before
// them, average those there are.
std::vector<double> MovingAverage(const std::vector<int>& values, int window);

// Bins of one round width (1, 2 or 5 times a power of ten) starting at a multiple of it, as few as
// cover every value in at most `maxBins`. Bin i holds the values from First + i * Width to
// First + (i + 1) * Width - 1.
struct THistogram {
  int First = 0;
  int Width = 1;
  std::vector<int> Counts;
};
THistogram Histogram(const std::vector<int>& values, int maxBins);
