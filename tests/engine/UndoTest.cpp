// Taking moves back: the state a move started from comes back whole, the same move then brings the
// same balls, nothing is undone while a turn runs, and a game with a move taken back is never offered.
#include <gtest/gtest.h>

#include <vector>

#include "RandomPlayer.h"
#include "TestGame.h"

namespace {

// Four 3s in the top row; the 3 at cell 14 completes them on cell 5.
const char* const FourInARow =
    "3 3 3 3 . . . . ."
    ". . . . 3 . . . ."
    ". . . . . . . . ."
    ". . . . . . 6 . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . .";

constexpr std::int64_t DuringFirstNewBall = 120;

// Every cell shows its ball at rest (or nothing), the preview shows the next balls, the score is shown.
void ExpectDrawnAtRest(const TTestGame& test) {
  for (int cell = 1; cell <= CellCount; ++cell) {
    const BallCode code = test.Game.Cell(cell);
    const THeadlessHost::TPicture expected =
        code == EmptyCell ? THeadlessHost::TPicture{} : THeadlessHost::TPicture{false, TSpriteSet::Normal, 1, code};
    EXPECT_EQ(test.Host.Pictures[cell], expected) << "cell " << cell;
  }
  for (int i = 1; i <= test.Fields().BallsPerTurn; ++i) EXPECT_EQ(test.Host.ShownNext[i], test.Fields().NextBalls[i]);
  EXPECT_EQ(test.Host.ShownScore, test.Game.Variables.Score);
}

// An empty cell that the ball at `from` can reach: above or below it when one is free, so that the
// turn keeps the timing of a one-step move.
int ReachableFrom(const TTestGame& test, int from) {
  const TOneBased<bool, CellCount> reached = ReachableCells(test.Fields().Board, from);
  for (const int step : {-9, 9})
    if (from + step >= 1 && from + step <= CellCount && reached[from + step]) return from + step;
  int to = 1;
  while (!reached[to]) ++to;
  return to;
}

// The state apart from the mark that a move was taken back.
TGameState Unmarked(TGameState state) {
  state.UndoUsed = 0;
  return state;
}

// A state as it is once the ball at `cell` is selected: the moment before its move.
TGameState Selecting(TGameState state, int cell) {
  state.SelectedCell = static_cast<std::uint8_t>(cell);
  return state;
}

}  // namespace

TEST(Undo, AMoveComesBackWithItsSelectionAndTheSameMoveBringsTheSameBalls) {
  TTestGame test;
  test.Load(Sparse, {3, 4, 5});
  EXPECT_FALSE(test.Keeper.CanUndo()) << "nothing to undo at the start";
  test.Keeper.PanelClick(41);
  const TGameState before = test.Game.State();
  test.Keeper.PanelClick(1);
  test.Host.RunUntilIdle();
  const TGameState after = test.Game.State();
  ASSERT_NE(before.Board, after.Board);

  ASSERT_TRUE(test.Keeper.Undo());
  EXPECT_EQ(Unmarked(test.Game.State()), before);
  EXPECT_EQ(test.Game.Variables.UndoUsed, 1);
  EXPECT_EQ(test.Fields().SelectedCell, 41);
  EXPECT_TRUE(test.Game.TimerEnabled(TAnimationTimer::Jump)) << "the selected ball jumps again";
  ExpectDrawnAtRest(test);

  test.Keeper.PanelClick(1);
  test.Host.RunUntilIdle();
  EXPECT_EQ(Unmarked(test.Game.State()), after) << "the same move brings the same balls and next balls";
}

TEST(Undo, ALineComesBackWithItsPointsAndItsCount) {
  TTestGame test;
  test.Load(FourInARow, {1, 2, 4});
  const TGameState before = Selecting(test.Game.State(), 14);
  test.Move(14, 5);
  ASSERT_EQ(test.Game.Variables.Score, 10);
  EXPECT_EQ(test.Game.GameStatistics().LinesByLength[0], 1u);
  EXPECT_EQ(test.Game.GameStatistics().LongestLine, 5);
  EXPECT_EQ(test.Game.GameStatistics().BallsCleared, 5u);
  EXPECT_EQ(test.Game.GameStatistics().Moves, 1u);

  ASSERT_TRUE(test.Keeper.Undo());
  EXPECT_EQ(Unmarked(test.Game.State()), before);
  EXPECT_EQ(test.Game.Variables.Score, 0);
  EXPECT_EQ(test.Game.GameStatistics(), TGameStatistics{});
  for (const int cell : {1, 2, 3, 4, 14}) EXPECT_EQ(test.Game.Cell(cell), 3);
  ExpectDrawnAtRest(test);
}

TEST(Undo, ABlastComesBackWithEveryBallItTook) {
  TTestGame test(0, false, true);
  test.Load(
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . 4 B"
      ". . . . . . . 1 ."
      "3 . . . . . . 2 5"
      ". . . . . . . . ."
      ". . . . . . . . .",
      {7, 7, 7});
  const TGameState before = Selecting(test.Game.State(), 45);
  test.Move(45, 54);
  const TGameState after = test.Game.State();
  ASSERT_EQ(test.Game.Cell(62), EmptyCell);
  EXPECT_EQ(test.Game.Cell(55), 3) << "the left edge is no neighbour of the right";
  EXPECT_EQ(test.Game.GameStatistics().BallsCleared, 5u);
  EXPECT_EQ(test.Game.GameStatistics().LongestLine, 0) << "a blast is no line";
  ASSERT_TRUE(test.Keeper.Undo());
  EXPECT_EQ(Unmarked(test.Game.State()), before);
  EXPECT_EQ(test.Game.Cell(45), BombBall);
  ExpectDrawnAtRest(test);
  test.Move(45, 54);
  EXPECT_EQ(Unmarked(test.Game.State()), after) << "the bomb goes off the same way and the same balls follow";
}

TEST(Undo, SeveralMovesGoBackOneByOneToTheStartButNoFurtherNorIntoAnotherGame) {
  TTestGame test(1, true, true);
  test.Game.NewGame();
  std::vector<TGameState> states;
  for (int move = 0; move < 4; ++move) {
    int from = 1;
    while (test.Game.Cell(from) == EmptyCell || ReachableCells(test.Fields().Board, from) == TOneBased<bool, CellCount>{})
      ++from;
    states.push_back(Selecting(test.Game.State(), from));
    test.Move(from, ReachableFrom(test, from));
  }
  for (int move = 3; move >= 0; --move) {
    ASSERT_TRUE(test.Keeper.Undo()) << "move " << move;
    EXPECT_EQ(Unmarked(test.Game.State()), states[static_cast<std::size_t>(move)]) << "move " << move;
  }
  EXPECT_FALSE(test.Keeper.CanUndo());
  EXPECT_FALSE(test.Keeper.Undo());

  test.Game.NewGame();
  EXPECT_FALSE(test.Keeper.CanUndo()) << "nothing to undo after a new game";
  EXPECT_EQ(test.Game.Variables.UndoUsed, 0) << "a new game is honest again";
}

TEST(Undo, NothingIsTakenBackWhileATurnRuns) {
  TTestGame test;
  test.Load(Sparse, {3, 4, 5});
  test.Move(41, 1);
  const TGameState afterFirst = Selecting(test.Game.State(), 45);
  bool moving = false;
  bool waiting = false;
  bool duringMove = true;
  bool duringNewBalls = true;
  test.Host.At(test.Host.Now() + 30, [&] {
    moving = test.Game.TimerEnabled(TAnimationTimer::Move);
    duringMove = test.Keeper.Undo();
  });
  test.Host.At(test.Host.Now() + DuringFirstNewBall + 55, [&] {
    waiting = test.Game.TurnWaiting();
    duringNewBalls = test.Keeper.CanUndo() || test.Keeper.Undo();
  });
  test.Move(45, ReachableFrom(test, 45));
  ASSERT_TRUE(moving && waiting) << "the tries came during the move and during its new balls";
  EXPECT_FALSE(duringMove);
  EXPECT_FALSE(duringNewBalls);
  EXPECT_EQ(test.Game.Variables.UndoUsed, 0);
  ASSERT_TRUE(test.Keeper.Undo());
  EXPECT_EQ(Unmarked(test.Game.State()), afterFirst) << "the refused tries took nothing back";
}

TEST(Undo, AGameWithAMoveTakenBackIsNeverOfferedButTheNextGameIs) {
  TTestGame test;
  test.Load(AlmostFull, {3, 4, 5});
  test.Game.Variables.Score = 77;
  test.Move(5, 6);
  ASSERT_EQ(test.Host.Submitted, (std::vector<std::uint16_t>{77})) << "an honest game is offered as ever";
  test.Host.Submitted.clear();

  ASSERT_TRUE(test.Keeper.Undo()) << "a move that filled the board can be taken back";
  EXPECT_EQ(test.Game.Variables.ScoreSubmitted, 0);
  test.Move(5, 6);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 0);
  EXPECT_TRUE(test.Host.Submitted.empty()) << "the full board of an undone game offers nothing";
  test.Game.PanelClick(40);
  test.Host.RunUntilIdle();
  EXPECT_TRUE(test.Host.Submitted.empty()) << "nor does the new game that abandons it";
  EXPECT_EQ(test.Game.Variables.UndoUsed, 0);

  test.Game.Variables.Score = 5;
  test.Game.NewGame();
  EXPECT_EQ(test.Host.Submitted, (std::vector<std::uint16_t>{5}));
}

TEST(Undo, EveryFinishedTurnIsReportedWithTheGameAtRest) {
  TTestGame test;
  test.Load(Sparse, {3, 4, 5});
  test.Move(41, 1);
  test.Move(45, ReachableFrom(test, 45));
  EXPECT_EQ(test.Host.TurnsFinished, 2);
  EXPECT_TRUE(test.Host.RestedAtEveryTurnEnd);
}
