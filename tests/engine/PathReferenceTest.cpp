// The game's path finder against the reference search: over a million random queries and every query
// on the extreme boards, compared node for node, route for route and in what a failed search keeps.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "BoardPicture.h"
#include "ReferenceStablo.h"
#include "Stablo.h"

namespace {

// Shortest routes from source to target through empty cells, counted by rows and columns without
// either finder: more than one means the direction order had to choose.
long ShortestRouteCount(const TBoard& board, int source, int target) {
  TOneBased<int, CellCount> distance;
  TOneBased<long, CellCount> routes;
  distance.Fill(-1);
  int queue[CellCount];
  int length = 0;
  queue[length++] = source;
  distance[source] = 0;
  routes[source] = 1;
  for (int next = 0; next < length; ++next) {
    const int cell = queue[next];
    const int row = (cell - 1) / BoardSide;
    const int column = (cell - 1) % BoardSide;
    const int neighbours[] = {row > 0 ? cell - BoardSide : 0, column > 0 ? cell - 1 : 0,
                              row < BoardSide - 1 ? cell + BoardSide : 0, column < BoardSide - 1 ? cell + 1 : 0};
    for (const int neighbour : neighbours) {
      if (neighbour == 0 || board[neighbour] != EmptyCell) continue;
      if (distance[neighbour] < 0) {
        distance[neighbour] = distance[cell] + 1;
        queue[length++] = neighbour;
      }
      if (distance[neighbour] == distance[cell] + 1) routes[neighbour] += routes[cell];
    }
  }
  return routes[target];
}

// Both finders read one board and are reused query after query, as the game reuses its own.
class TPathComparison {
public:
  TPathComparison() : Fast(Board, Edges), Reference(Board, Edges) {}

  // Resets both, asks both, and compares the answer and everything either keeps afterwards.
  testing::AssertionResult Ask(int source, int target) {
    ++Queries;
    Fast.Reset();
    Reference.Reset();
    const bool found = Fast.FindPath(source, target);
    const bool expected = Reference.FindPath(source, target);
    if (found != expected) return Failure(source, target, "the answer");
    if (found) {
      Fast.BuildPath();
      Reference.BuildPath();
      ++Found;
      if (ShortestRouteCount(Board, source, target) > 1) ++Ties;
    } else {
      ++Unreachable;
    }
    if (Fast.NodeCount != Reference.NodeCount) return Failure(source, target, "NodeCount");
    for (int k = 1; k <= CellCount; ++k) {
      if (Fast.Nodes[k].Cell != Reference.Nodes[k].Cell || Fast.Nodes[k].Parent != Reference.Nodes[k].Parent)
        return Failure(source, target, "node " + std::to_string(k));
    }
    if (Fast.Target != Reference.Target) return Failure(source, target, "Target");
    if (Fast.PathLength != Reference.PathLength) return Failure(source, target, "PathLength");
    if (Fast.Path != Reference.Path) return Failure(source, target, "Path");
    return testing::AssertionSuccess();
  }

  TBoard Board;
  long Queries = 0;
  long Found = 0;
  long Unreachable = 0;
  long Ties = 0;

private:
  testing::AssertionResult Failure(int source, int target, const std::string& what) const {
    return testing::AssertionFailure() << what << " differs from the reference after FindPath(" << source << ", "
                                       << target << ") on\n"
                                       << DrawBoard(Board);
  }

  const TEdgeSets Edges;
  TStablo Fast;
  TReferenceStablo Reference;
};

}  // namespace

TEST(PathFinderAgainstReference, AMillionRandomQueriesWithTiesAndUnreachableTargets) {
  TPathComparison comparison;
  std::mt19937 random(20261208);
  const auto draw = [&random](int k) { return std::uniform_int_distribution<int>(0, k - 1)(random); };
  while (comparison.Queries < 1'000'000) {
    // Densities from an empty board to a full one: open boards are full of ties, crowded ones of
    // walled-in balls and cut-off regions.
    const int percent = draw(101);
    int balls[CellCount];
    int empties[CellCount];
    int ballCount = 0;
    int emptyCount = 0;
    for (int cell = 1; cell <= CellCount; ++cell) {
      comparison.Board[cell] = draw(100) < percent ? static_cast<BallCode>(draw(BombBall) + 1) : EmptyCell;
      if (comparison.Board[cell] == EmptyCell) empties[emptyCount++] = cell;
      else balls[ballCount++] = cell;
    }
    for (int query = 0; query < 40; ++query) {
      // Mostly what the game asks (a ball, an empty cell), sometimes any two cells at all.
      const bool anyCells = ballCount == 0 || emptyCount == 0 || draw(16) == 0;
      const int source = anyCells ? draw(CellCount) + 1 : balls[draw(ballCount)];
      const int target = anyCells ? draw(CellCount) + 1 : empties[draw(emptyCount)];
      ASSERT_TRUE(comparison.Ask(source, target));
    }
  }
  EXPECT_GT(comparison.Ties, comparison.Queries / 10);
  EXPECT_GT(comparison.Unreachable, comparison.Queries / 10);
}

TEST(PathFinderAgainstReference, EveryQueryOnTheExtremeBoards) {
  TPathComparison comparison;
  // The longest route and the fullest board, with every pair of cells.
  for (const char* const picture : {SerpentineBoard, JokerCrossBoard}) {
    comparison.Board = BoardPicture(picture);
    for (int source = 1; source <= CellCount; ++source)
      for (int target = 1; target <= CellCount; ++target) ASSERT_TRUE(comparison.Ask(source, target));
  }
  // One ball on an empty board: the most nodes a search can hold, and the most ties.
  for (int ball = 1; ball <= CellCount; ++ball) {
    comparison.Board.Fill(EmptyCell);
    comparison.Board[ball] = 4;
    for (int target = 1; target <= CellCount; ++target) ASSERT_TRUE(comparison.Ask(ball, target));
  }
  EXPECT_EQ(comparison.Queries, 3 * CellCount * CellCount);
}
