// Summary, median, moving average and histogram of recorded scores.
#include "StatisticsMath.h"

#include <algorithm>
#include <cassert>

TLevelSummary Summarize(const std::vector<TGameRecord>& games, int level) {
  TLevelSummary summary;
  std::vector<int> scores;
  std::int64_t total = 0;
  for (const TGameRecord& game : games) {
    if (game.Level != level) continue;
    ++summary.Games;
    scores.push_back(game.Score);
    total += game.Score;
    summary.Best = std::max(summary.Best, game.Score);
    summary.SecondsPlayed += game.SecondsPlayed;
    for (std::size_t i = 0; i < game.LinesByLength.size(); ++i) summary.LinesByLength[i] += game.LinesByLength[i];
    summary.LongestLine = std::max(summary.LongestLine, game.LongestLine);
    summary.GamesWithUndo += game.UndoUsed ? 1 : 0;
  }
  if (summary.Games > 0) summary.Average = static_cast<double>(total) / summary.Games;
  summary.Median = Median(std::move(scores));
  return summary;
}

std::vector<int> ScoresOf(const std::vector<TGameRecord>& games, int level) {
  std::vector<int> scores;
  for (const TGameRecord& game : games) {
    if (game.Level == level) scores.push_back(game.Score);
  }
  return scores;
}

double Median(std::vector<int> values) {
  if (values.empty()) return 0;
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2;
}

std::vector<double> MovingAverage(const std::vector<int>& values, int window) {
  assert(window > 0);
  std::vector<double> averages;
  averages.reserve(values.size());
  double sum = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    sum += values[i];
    if (i >= static_cast<std::size_t>(window)) sum -= values[i - static_cast<std::size_t>(window)];
    averages.push_back(sum / static_cast<double>(std::min(i + 1, static_cast<std::size_t>(window))));
  }
  return averages;
}

THistogram Histogram(const std::vector<int>& values, int maxBins) {
  assert(maxBins > 0);
  THistogram histogram;
  if (values.empty()) return histogram;
  const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  for (int scale = 1;; scale *= 10) {
    for (const int step : {1, 2, 5}) {
      const int width = step * scale;
      const int first = *lowest / width * width;
      const int bins = (*highest - first) / width + 1;
      if (bins > maxBins) continue;
      histogram.First = first;
      histogram.Width = width;
      histogram.Counts.assign(static_cast<std::size_t>(bins), 0);
      for (const int value : values) ++histogram.Counts[static_cast<std::size_t>((value - first) / width)];
      return histogram;
    }
  }
}
