// Lines through the moved ball: runs, jokers shared by two runs, bombs in lines, and the points.
#include <gtest/gtest.h>

#include <vector>

#include "TestGame.h"

namespace {

std::vector<int> FirstRemoval(const THeadlessHost& host) {
  for (const auto& event : host.BoardEvents)
    if (!event.Spawn) return event.Cells;
  return {};
}

int Spawns(const THeadlessHost& host) {
  int spawns = 0;
  for (const auto& event : host.BoardEvents) spawns += event.Spawn ? 1 : 0;
  return spawns;
}

}  // namespace

TEST(Points, TableByCountAndFactor) {
  const int table[8][4] = {{10, 9, 9, 8},     {12, 11, 10, 10}, {18, 17, 16, 15}, {22, 21, 20, 19},
                           {26, 25, 24, 23},  {30, 29, 28, 27}, {32, 30, 29, 28}, {34, 32, 31, 30}};
  const double factors[4] = {ScoreFactorFor(0, 0), ScoreFactorFor(1, 0), ScoreFactorFor(0, 1), ScoreFactorFor(1, 1)};
  EXPECT_EQ(factors[0], 2.0);
  EXPECT_EQ(factors[1], 1.9);
  EXPECT_EQ(factors[2], 1.8);
  EXPECT_EQ(factors[3], 1.7);
  EXPECT_EQ(ScoreFactorFor(7, 200), 1.7);  // any nonzero byte is on
  for (int count = 5; count <= 12; ++count)
    for (int f = 0; f < 4; ++f) EXPECT_EQ(LinePoints(count, factors[f]), table[count - 5][f]) << count << " at " << factors[f];
  EXPECT_EQ(LinePoints(68, 1.7), 115 + 10);
}

TEST(Lines, FourInARowStayAndTheFifthCompletesTheLine) {
  TTestGame test;
  test.Load(
      "1 1 1 . . . . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      "2 . . . . . . . .",
      {3, 4, 5});
  test.Move(9, 4);
  EXPECT_TRUE(FirstRemoval(test.Host).empty());
  EXPECT_EQ(Spawns(test.Host), 3);
  EXPECT_EQ(test.Game.Variables.Score, 0);

  TTestGame second;
  second.Load(
      "1 1 1 1 . . . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      "2 . . . . . . . .",
      {3, 4, 5});
  second.Move(9, 5);
  EXPECT_EQ(FirstRemoval(second.Host), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Spawns(second.Host), 0) << "a move that makes a line brings no new balls";
  EXPECT_EQ(second.Game.Variables.Score, 10);
  EXPECT_EQ(second.Host.ShownScore, 10);
  EXPECT_EQ(CountEmptyCells(second.Fields().Board), 80);
}

TEST(Lines, CrossingLinesCountTheMovedBallTwice) {
  TTestGame test;
  test.Load(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      "1 1 1 1 . . . . 1"
      ". . . . 1 . . . ."
      ". . . . 1 . . . ."
      ". . . . 1 . . . ."
      ". . . . 1 . . . .",
      {3, 4, 5});
  test.Move(45, 41);
  EXPECT_EQ(FirstRemoval(test.Host), (std::vector<int>{37, 38, 39, 40, 41, 41, 50, 59, 68, 77}));
  EXPECT_EQ(test.Game.Variables.Score, 30);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 81);
}

TEST(Lines, AJokerBetweenTwoColoursBelongsToBothRuns) {
  TTestGame test;
  test.Load(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . J . . . ."
      "1 1 1 1 . 2 2 2 2",
      {3, 4, 5});
  test.Move(68, 77);
  EXPECT_EQ(FirstRemoval(test.Host), (std::vector<int>{73, 74, 75, 76, 77, 77, 78, 79, 80, 81}));
  EXPECT_EQ(test.Game.Variables.Score, 30);
}

TEST(Lines, RunsOfJokersAndOfBombsVanishAndNoBombGoesOff) {
  TTestGame jokers;
  jokers.Load(
      "J J J J . . . . J"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . 3",
      {3, 4, 5});
  jokers.Move(9, 5);
  EXPECT_EQ(FirstRemoval(jokers.Host), (std::vector<int>{1, 2, 3, 4, 5}));

  TTestGame bombs;
  bombs.Load(
      "B B B B . . . . J"
      "6 6 6 6 6 . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  bombs.Move(9, 5);
  EXPECT_EQ(FirstRemoval(bombs.Host), (std::vector<int>{1, 2, 3, 4, 5}));
  for (int cell = 10; cell <= 14; ++cell) EXPECT_EQ(bombs.Game.Cell(cell), 6) << "a bomb in a line went off";
}

TEST(Lines, JokersCountForTheColourAfterAGapButNeverReachAcrossIt) {
  TTestGame after;
  after.Load(
      ". J 1 1 1 . . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  after.Move(9, 6);
  EXPECT_EQ(FirstRemoval(after.Host), (std::vector<int>{2, 3, 4, 5, 6}));

  TTestGame across;
  across.Load(
      "1 1 J . 1 1 . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  across.Move(9, 7);
  EXPECT_TRUE(FirstRemoval(across.Host).empty());
  EXPECT_EQ(across.Game.Variables.Score, 0);
}

// Five jokers after an empty cell are a line of their own, as five jokers at a line's start are,
// in a row, a column and a diagonal alike.
TEST(Lines, FiveJokersAfterAnEmptyCellVanishInEveryDirection) {
  TTestGame row;
  row.Load(
      ". . . . . . . . J"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". J J J J . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . 3",
      {3, 4, 5});
  row.Move(9, 42);
  EXPECT_EQ(FirstRemoval(row.Host), (std::vector<int>{38, 39, 40, 41, 42}));
  EXPECT_EQ(row.Game.Variables.Score, 10);

  TTestGame column;
  column.Load(
      ". . . . . . . . ."
      "J . . . . . . . ."
      "J . . . . . . . ."
      "J . . . . . . . ."
      "J . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . 3 J",
      {3, 4, 5});
  column.Move(81, 46);
  EXPECT_EQ(FirstRemoval(column.Host), (std::vector<int>{10, 19, 28, 37, 46}));

  TTestGame diagonal;
  diagonal.Load(
      ". . . . . . . . J"
      ". J . . . . . . ."
      ". . J . . . . . ."
      ". . . J . . . . ."
      ". . . . J . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . 3",
      {3, 4, 5});
  diagonal.Move(9, 51);
  EXPECT_EQ(FirstRemoval(diagonal.Host), (std::vector<int>{11, 21, 31, 41, 51}));
}

TEST(Lines, ShortDiagonalsNearTheCorners) {
  TTestGame five;
  five.Load(
      ". . . . 1 . . . ."
      ". . . 1 . . . . ."
      ". . 1 . . . . . ."
      ". 1 . . . . . . ."
      ". . . . . . . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  five.Move(45, 37);
  EXPECT_EQ(FirstRemoval(five.Host), (std::vector<int>{5, 13, 21, 29, 37}));

  TTestGame four;
  four.Load(
      ". . . 1 . . . . ."
      ". . 1 . . . . . ."
      ". 1 . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  four.Move(45, 28);
  EXPECT_TRUE(FirstRemoval(four.Host).empty());
}

TEST(Lines, AMoveCanCollectFarMoreThanThirtySixEntriesAndScoresThemAll) {
  TTestGame test(0, true, false);  // factor 1.9
  test.Load(
      "J . . . J . . . J"
      ". J . . J . . J ."
      ". . J . J . J . ."
      ". . . J J J . . ."
      "J J J J . J J J 1"
      ". . . J J J . . ."
      ". . J . J . J . ."
      ". J . . J . . J ."
      "1 . . . 1 . . . 1",
      {3, 4, 5});
  test.Move(32, 41);
  const std::vector<int> removal = FirstRemoval(test.Host);
  ASSERT_EQ(removal.size(), 56u);
  const std::vector<int> row(removal.begin(), removal.begin() + 17);
  EXPECT_EQ(row, (std::vector<int>{37, 38, 39, 40, 41, 42, 43, 44, 44, 43, 42, 41, 40, 39, 38, 37, 45}));
  EXPECT_EQ(test.Game.Variables.Score, 106 + 10);
  // The jokers above the gap at 32 belong to no run.
  for (const int cell : {5, 14, 23}) EXPECT_EQ(test.Game.Cell(cell), JokerBall);
}

TEST(Lines, ANewBallCanCompleteSixtyEightEntriesAtOnce) {
  // After the joker steps from 41 to 42, 41 is the only empty cell, so the first new ball lands there
  // and completes four lines of eight jokers and a colour: 17 entries each.
  TTestGame test(0, true, false);
  test.Load(JokerCrossBoard, {JokerBall, 2, 3});
  test.Move(41, 42);
  ASSERT_FALSE(test.Host.BoardEvents.empty());
  EXPECT_TRUE(test.Host.BoardEvents[0].Spawn);
  EXPECT_EQ(test.Host.BoardEvents[0].Cell, 41);
  EXPECT_EQ(FirstRemoval(test.Host).size(), 68u) << DrawBoard(test.Fields().Board);
  EXPECT_EQ(test.Game.Variables.Score, 0) << "lines of new balls score nothing";
}

TEST(Lines, TheScoreStopsAtTheTopOfSixteenBits) {
  TTestGame test;
  test.Load(
      "1 1 1 1 . . . . 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  test.Game.Variables.Score = 65530;
  test.Move(9, 5);
  EXPECT_EQ(test.Game.Variables.Score, 65535);
  EXPECT_EQ(test.Host.ShownScore, 65535);
}
