// The edge sets and the path finder: border wrap-around, exact routes and unreachable cells.
#include <gtest/gtest.h>

#include <vector>

#include "Red.h"
#include "Stablo.h"
#include "TestGame.h"

namespace {

const char* const EmptyBoardWithBallAt41 =
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . 1 . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . .";

struct TRoute {
  bool Found = false;
  std::vector<int> Cells;
};

TRoute Route(const TBoard& board, int from, int to) {
  const TEdgeSets edges;
  TStablo finder(board, edges);
  finder.Reset();
  TRoute route;
  route.Found = finder.FindPath(from, to);
  if (route.Found) {
    finder.BuildPath();
    for (int k = 1; k <= finder.PathLength; ++k) route.Cells.push_back(finder.Path[k]);
  }
  return route;
}

}  // namespace

TEST(EdgeSets, CornersLieInTwoSetsAndNothingOffTheBoardIsContained) {
  const TEdgeSets edges;
  const auto sets = [&](int cell) {
    return std::vector<bool>{edges.TopRow.Contains(cell), edges.BottomRow.Contains(cell), edges.LeftColumn.Contains(cell),
                             edges.RightColumn.Contains(cell)};
  };
  EXPECT_EQ(sets(1), (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(sets(9), (std::vector<bool>{true, false, false, true}));
  EXPECT_EQ(sets(73), (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(sets(81), (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(sets(10), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(sets(18), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(sets(41), (std::vector<bool>{false, false, false, false}));
  for (const int outside : {0, 82, -9, 90}) EXPECT_EQ(sets(outside), (std::vector<bool>{false, false, false, false}));
}

TEST(EdgeSets, CountEmptyCellsFromEmptyToFull) {
  EXPECT_EQ(CountEmptyCells(TBoard{}), 81);
  TBoard full;
  full.Fill(3);
  EXPECT_EQ(CountEmptyCells(full), 0);
  EXPECT_EQ(CountEmptyCells(BoardPicture(EmptyBoardWithBallAt41)), 80);
}

TEST(PathFinder, RoutesFrom41OnAnEmptyBoardFollowTheDirectionOrder) {
  const TBoard board = BoardPicture(EmptyBoardWithBallAt41);
  EXPECT_EQ(Route(board, 41, 31).Cells, (std::vector<int>{41, 32, 31}));
  EXPECT_EQ(Route(board, 41, 33).Cells, (std::vector<int>{41, 32, 33}));
  EXPECT_EQ(Route(board, 41, 49).Cells, (std::vector<int>{41, 40, 49}));
  EXPECT_EQ(Route(board, 41, 51).Cells, (std::vector<int>{41, 50, 51}));
  EXPECT_EQ(Route(board, 41, 81).Cells, (std::vector<int>{41, 50, 59, 68, 77, 78, 79, 80, 81}));
  EXPECT_EQ(Route(board, 41, 1).Cells, (std::vector<int>{41, 32, 23, 14, 5, 4, 3, 2, 1}));
  EXPECT_EQ(Route(board, 41, 45).Cells, (std::vector<int>{41, 42, 43, 44, 45}));
  EXPECT_EQ(Route(board, 41, 42).Cells, (std::vector<int>{41, 42}));
}

TEST(PathFinder, NoStepWrapsAroundTheLeftAndRightEdges) {
  // 9 and 10 follow each other in number but not on the board: the way round is long.
  const TBoard board = BoardPicture(
      ". . . . . . . 2 1"
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  const TRoute route = Route(board, 9, 10);
  ASSERT_TRUE(route.Found);
  EXPECT_EQ(route.Cells, (std::vector<int>{9, 18, 17, 16, 15, 14, 13, 12, 11, 10}));

  const TBoard walled = BoardPicture(
      "2 . . . . . . 2 ."
      "3 4 . . . . . . 2"
      "5 . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .");
  EXPECT_FALSE(Route(walled, 10, 9).Found);
}

TEST(PathFinder, WalledInBallsAndCutOffRegionsHaveNoRoute) {
  const TBoard board = BoardPicture(
      "1 2 . . . 3 . . ."
      "2 . . . . 3 . . ."
      ". . 6 . . 3 . . ."
      ". . . . . 3 . . ."
      "3 3 3 3 3 3 . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . 4");
  for (const int target : {3, 11, 40, 81 - 1}) EXPECT_FALSE(Route(board, 1, target).Found) << target;
  // The ball at 21 has empty neighbours, but the regions beyond the wall are cut off.
  EXPECT_FALSE(Route(board, 21, 7).Found);
  EXPECT_FALSE(Route(board, 21, 55).Found);
  EXPECT_TRUE(Route(board, 21, 11).Found);
}

TEST(PathFinder, TheLongestRouteWindsThroughTheWholeBoard) {
  // A serpentine corridor: every empty cell lies on the one route from 1 to 81.
  const TBoard board = BoardPicture(SerpentineBoard);
  const TRoute route = Route(board, 1, 81);
  ASSERT_TRUE(route.Found);
  EXPECT_EQ(route.Cells.size(), 81u - 4 * 8);
  EXPECT_EQ(route.Cells.front(), 1);
  EXPECT_EQ(route.Cells[9], 18);
  EXPECT_EQ(route.Cells.back(), 81);
}
