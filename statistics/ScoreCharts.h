// The two charts of a level's scores: the last games in order with their moving average, and how
// often each range of scores came up.
#pragma once

#include <vector>

class QChart;

inline constexpr int ChartedGames = 100;
inline constexpr int AverageWindow = 10;
inline constexpr int HistogramBins = 8;

// Each replaces whatever the chart showed before.
void FillTrendChart(QChart& chart, const std::vector<int>& scores);
void FillHistogramChart(QChart& chart, const std::vector<int>& scores);
