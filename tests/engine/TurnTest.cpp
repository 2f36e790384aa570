// The turn rules: selection, moves, the bomb's blast, new balls, the end of a game, and new games
// asked for while a turn waits for its animations.
#include <gtest/gtest.h>

#include <vector>

#include "TestGame.h"

namespace {

// A move to a neighbouring cell hands over to the new balls at 110 ms; the first grows until 260 ms.
constexpr std::int64_t DuringFirstNewBall = 120;

std::vector<THeadlessHost::TBoardEvent> Spawned(const THeadlessHost& host) {
  std::vector<THeadlessHost::TBoardEvent> spawns;
  for (const auto& event : host.BoardEvents)
    if (event.Spawn) spawns.push_back(event);
  return spawns;
}

}  // namespace

TEST(Turn, SelectionMovesWithClicksAndAnEmptyCellAloneDoesNothing) {
  TTestGame test;
  test.Load(Sparse, {3, 4, 5});
  test.Game.PanelClick(1);
  EXPECT_EQ(test.Fields().SelectedCell, 0);
  EXPECT_FALSE(test.Game.TimerEnabled(TAnimationTimer::Jump));
  test.Game.PanelClick(41);
  EXPECT_EQ(test.Fields().SelectedCell, 41);
  test.Game.PanelClick(41);
  EXPECT_EQ(test.Fields().SelectedCell, 41);
  test.Game.PanelClick(45);
  EXPECT_EQ(test.Fields().SelectedCell, 45);
  EXPECT_TRUE(test.Game.TimerEnabled(TAnimationTimer::Jump));
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 79);
}

TEST(Turn, AMoveWithoutALineBringsTheNextBallsInOrderAndANewList) {
  TTestGame test(1);
  test.Load(Sparse, {3, 4, JokerBall, 6});
  test.Move(41, 1);
  EXPECT_EQ(test.Game.Cell(41), EmptyCell);
  EXPECT_EQ(test.Game.Cell(1), 1);
  const auto spawns = Spawned(test.Host);
  ASSERT_EQ(spawns.size(), 4u);
  const BallCode expected[] = {3, 4, JokerBall, 6};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(spawns[i].Code, expected[i]);
    EXPECT_EQ(test.Game.Cell(spawns[i].Cell), expected[i]);
  }
  for (int i = 1; i <= 4; ++i) {
    EXPECT_GE(test.Fields().NextBalls[i], 1);
    EXPECT_LE(test.Fields().NextBalls[i], 7) << "no jokers or bombs in a game without them";
    EXPECT_EQ(test.Host.ShownNext[i], test.Fields().NextBalls[i]);
  }
  EXPECT_EQ(test.Game.Variables.Score, 0);
}

TEST(Turn, AnUnreachableCellSoundsStuckAndKeepsTheSelection) {
  TTestGame test;
  test.Load(
      "1 2 . . . . . . ."
      "2 . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {3, 4, 5});
  test.Game.PanelClick(1);
  test.Game.PanelClick(50);
  EXPECT_EQ(test.Host.Effects, (std::vector<TSoundEffect>{TSoundEffect::Stuck}));
  EXPECT_EQ(test.Fields().SelectedCell, 1);
  EXPECT_TRUE(test.Game.TimerEnabled(TAnimationTimer::Jump));
  EXPECT_FALSE(test.Game.TimerEnabled(TAnimationTimer::Move));

  GameSettings.SoundStuck = 0;
  test.Game.PanelClick(50);
  EXPECT_EQ(test.Host.Effects.size(), 1u) << "the switch silences Stuck";
}

TEST(Turn, ABombOnTheLeftEdgeBlastsItsNeighboursButNotTheRightEdge) {
  TTestGame test(0, false, true);
  test.Load(
      "1 2 . . . . . . 3"
      ". 4 . . . . . . 5"
      "B 6 . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . ."
      ". . . . . . . . .",
      {7, 7, 7});
  test.Move(19, 10);
  ASSERT_FALSE(test.Host.BoardEvents.empty());
  EXPECT_EQ(test.Host.BoardEvents[0].Cells, (std::vector<int>{10, 11, 1, 20, 2}));
  EXPECT_EQ(test.Game.Cell(9), 3);
  EXPECT_EQ(test.Game.Cell(18), 5);
  EXPECT_EQ(test.Game.Variables.Score, 0) << "a blast scores nothing";
  EXPECT_EQ(Spawned(test.Host).size(), 3u) << "new balls follow a blast";
}

TEST(Turn, ALineOfANewBallVanishesWithoutPointsAndFreesCellsForTheNextBalls) {
  TTestGame test;
  test.Load(AlmostFull, {1, 3, 4});
  test.Move(5, 6);
  const auto& events = test.Host.BoardEvents;
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].Cell, 5);
  EXPECT_EQ(events[1].Cells, (std::vector<int>{1, 2, 3, 4, 5}));
  for (const int i : {2, 3}) {
    EXPECT_TRUE(events[i].Spawn);
    EXPECT_LE(events[i].Cell, 5) << "the only empty cells are the freed ones";
  }
  EXPECT_EQ(test.Game.Variables.Score, 0);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 3);
}

TEST(Turn, FillingTheBoardOffersTheScoreAndTheNextClickStartsANewGame) {
  TTestGame test;
  test.Load(AlmostFull, {3, 4, 5});
  test.Game.Variables.Score = 77;
  test.Move(5, 6);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 0);
  EXPECT_EQ(Spawned(test.Host).size(), 1u) << "the balls that find no cell are dropped";
  EXPECT_EQ(test.Host.Submitted, (std::vector<std::uint16_t>{77}));
  const int games = test.Host.GamesStarted;
  test.Game.PanelClick(40);
  test.Host.RunUntilIdle();
  EXPECT_EQ(test.Host.GamesStarted, games + 1);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 76);
  EXPECT_EQ(test.Host.Submitted.size(), 1u) << "a score is offered once per game";
}

TEST(Turn, NewGamePlacesFiveBallsAtEveryLevelAndOnlyColoursWithoutOptions) {
  for (int level = 0; level <= 2; ++level) {
    TTestGame test(level);
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      test.Random.SetSeedSource([seed] { return seed; });
      test.Game.NewGame();
      EXPECT_EQ(CountEmptyCells(test.Fields().Board), 76);
      EXPECT_EQ(test.Fields().BallsPerTurn, 3 + level);
      for (int cell = 1; cell <= CellCount; ++cell) EXPECT_LE(test.Game.Cell(cell), 7);
      for (int i = 1; i <= test.Fields().BallsPerTurn; ++i) EXPECT_LE(test.Fields().NextBalls[i], 7);
      EXPECT_TRUE(test.Host.NewEnabled);
    }
  }
}

TEST(Turn, TheSameSeedGivesTheSameGame) {
  TTestGame first;
  TTestGame second;
  first.Game.NewGame();
  second.Game.NewGame();
  EXPECT_EQ(first.Fields().Board, second.Fields().Board);
  EXPECT_EQ(first.Fields().NextBalls, second.Fields().NextBalls);
}

TEST(Hold, TheNewButtonDuringNewBallsWaitsForTheTurnToEnd) {
  TTestGame test;
  test.Load(AlmostFull, {1, 3, 4});
  const int games = test.Host.GamesStarted;
  bool heldDuringWait = false;
  test.Host.At(test.Host.Now() + DuringFirstNewBall, [&] {
    test.Game.RequestNewGame();
    heldDuringWait = test.Game.NewGameHeld();
  });
  test.Move(5, 6);
  EXPECT_TRUE(heldDuringWait);
  EXPECT_FALSE(test.Game.NewGameHeld());
  EXPECT_EQ(test.Host.GamesStarted, games + 1);
  // The old turn ran to its end (its three balls and the line), then five balls of the new game came.
  const auto& events = test.Host.BoardEvents;
  ASSERT_EQ(events.size(), 4u + 5u);
  EXPECT_EQ(events[1].Cells, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 76) << "no turn went on working on the new board";
}

TEST(Hold, AClickOnABoardFilledDuringTheTurnStartsTheNextGameAfterIt) {
  TTestGame test;
  test.Load(AlmostFull, {3, 4, 5});
  test.Game.Variables.Score = 12;
  const int games = test.Host.GamesStarted;
  test.Host.At(test.Host.Now() + DuringFirstNewBall, [&] { test.Game.PanelClick(40); });
  test.Move(5, 6);
  EXPECT_EQ(test.Host.GamesStarted, games + 1);
  EXPECT_EQ(test.Host.Submitted, (std::vector<std::uint16_t>{12})) << "the finished game was offered first";
  EXPECT_EQ(test.Game.Variables.Score, 0);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 76);
}

TEST(Hold, AHeldClickIsDroppedWhenTheLastBallsLineFreedTheBoard) {
  // The 1 that lands on 5 fills the board, then its line frees it again: the game goes on.
  TTestGame test;
  test.Load(AlmostFull, {1, 3, 4});
  const int games = test.Host.GamesStarted;
  bool held = false;
  test.Host.At(test.Host.Now() + DuringFirstNewBall, [&] {
    test.Game.PanelClick(40);
    held = test.Game.NewGameHeld();
  });
  test.Move(5, 6);
  EXPECT_TRUE(held);
  EXPECT_EQ(test.Host.GamesStarted, games);
  EXPECT_FALSE(test.Game.NewGameHeld());
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 3);
}

TEST(Hold, ClicksThatTheGuardsIgnoreStayIgnored) {
  TTestGame test;
  test.Load(Sparse, {3, 4, 5});
  test.Host.At(test.Host.Now() + 30, [&] { test.Game.PanelClick(45); });  // while the ball moves
  test.Move(41, 42);
  EXPECT_EQ(test.Fields().SelectedCell, 0);
  EXPECT_FALSE(test.Game.NewGameHeld());

  // With a ball selected during new balls, a move request is ignored.
  TTestGame second;
  second.Load(Sparse, {3, 4, 5});
  second.Host.At(second.Host.Now() + DuringFirstNewBall, [&] { second.Game.PanelClick(45); });
  second.Host.At(second.Host.Now() + DuringFirstNewBall + 5, [&] { second.Game.PanelClick(36); });
  second.Move(41, 42);
  EXPECT_EQ(second.Fields().SelectedCell, 45);
  EXPECT_EQ(second.Game.Cell(45), 2);
  EXPECT_FALSE(second.Game.TimerEnabled(TAnimationTimer::Move));
}

TEST(Hold, ABallSelectedWhileNewBallsGrowIsDroppedWhenTheirLineTakesIt) {
  TTestGame test;
  test.Load(AlmostFull, {1, 3, 4});
  test.Host.At(test.Host.Now() + DuringFirstNewBall, [&] { test.Game.PanelClick(2); });
  test.Move(5, 6);
  EXPECT_EQ(test.Fields().SelectedCell, 0);
  EXPECT_FALSE(test.Game.TimerEnabled(TAnimationTimer::Jump));
  // Its cell may have taken one of the following balls; either way no jump is drawn over it.
  EXPECT_TRUE(test.Host.Pictures[2].Empty || test.Host.Pictures[2].Set == TSpriteSet::Normal);
  int empty = 1;
  while (test.Game.Cell(empty) != EmptyCell) ++empty;
  test.Game.PanelClick(empty);
  EXPECT_FALSE(test.Game.TimerEnabled(TAnimationTimer::Move)) << "no move starts from an empty selection";
}
