// The Statistics window's figures on known games: median, moving average, histogram bins, and the
// summary of one level among others.
#include <gtest/gtest.h>

#include "HistoryTestSupport.h"
#include "StatisticsMath.h"

TEST(StatisticsMath, MedianOfOddEvenUnsortedAndNone) {
  EXPECT_EQ(Median({}), 0);
  EXPECT_EQ(Median({7}), 7);
  EXPECT_EQ(Median({9, 1, 5}), 5);
  EXPECT_EQ(Median({40, 10, 30, 20}), 25);
  EXPECT_EQ(Median({1, 2}), 1.5);
  EXPECT_EQ(Median({5, 5, 1, 5, 100, 0}), 5);
}

TEST(StatisticsMath, MovingAverageOverTheLastValuesAndFewerAtTheStart) {
  EXPECT_EQ(MovingAverage({3, 6, 9, 12, 0}, 3), (std::vector<double>{3, 4.5, 6, 9, 7}));
  EXPECT_EQ(MovingAverage({4, 8}, 10), (std::vector<double>{4, 6}));
  EXPECT_EQ(MovingAverage({4, 8, 1}, 1), (std::vector<double>{4, 8, 1}));
  EXPECT_TRUE(MovingAverage({}, 5).empty());
}

TEST(StatisticsMath, HistogramBinsAreRoundAndHoldEveryValue) {
  const THistogram wide = Histogram({0, 5, 49, 50, 99, 100, 1234}, 12);
  EXPECT_EQ(wide.First, 0);
  EXPECT_EQ(wide.Width, 200);  // 100 would need 13 bins
  EXPECT_EQ(wide.Counts, (std::vector<int>{6, 0, 0, 0, 0, 0, 1}));

  // Twelve values in twelve bins of one; the first bin starts at the lowest value's round multiple.
  std::vector<int> dozen;
  for (int value = 10; value < 22; ++value) dozen.push_back(value);
  const THistogram narrow = Histogram(dozen, 12);
  EXPECT_EQ(narrow.First, 10);
  EXPECT_EQ(narrow.Width, 1);
  EXPECT_EQ(narrow.Counts, std::vector<int>(12, 1));

  const THistogram offset = Histogram({1234, 1299, 1300, 1545}, 4);
  EXPECT_EQ(offset.First, 1200);
  EXPECT_EQ(offset.Width, 100);
  EXPECT_EQ(offset.Counts, (std::vector<int>{2, 1, 0, 1}));

  const THistogram single = Histogram({37}, 12);
  EXPECT_EQ(single.First, 37);
  EXPECT_EQ(single.Counts, std::vector<int>{1});
  EXPECT_TRUE(Histogram({}, 12).Counts.empty());
}

TEST(StatisticsMath, SummaryCountsOnlyItsLevel) {
  std::vector<TGameRecord> games;
  for (int n = 0; n < 9; ++n) games.push_back(SampleGame(n));  // levels 0, 1, 2, 0, 1, 2, ...
  const TLevelSummary hard = Summarize(games, 1);               // games 1, 4, 7
  EXPECT_EQ(hard.Games, 3);
  EXPECT_EQ(hard.Best, 1000 + 37 * 7);
  EXPECT_DOUBLE_EQ(hard.Average, 1000 + 37 * 4);
  EXPECT_EQ(hard.Median, 1000 + 37 * 4);
  EXPECT_EQ(hard.SecondsPlayed, 3 * 600 + 11 * (1 + 4 + 7));
  EXPECT_EQ(hard.LinesByLength, (TLinesByLength{3 * 20 + 12, 3 * 5 + 12, 3 * 3 + 12, 3 * 1 + 12, 1 + 0 + 1}));
  EXPECT_EQ(hard.LongestLine, 9);  // game 4
  EXPECT_EQ(hard.GamesWithUndo, 3);
  EXPECT_EQ(ScoresOf(games, 1), (std::vector<int>{1037, 1148, 1259}));

  const TLevelSummary none = Summarize({}, 2);
  EXPECT_EQ(none.Games, 0);
  EXPECT_EQ(none.Average, 0);
}
