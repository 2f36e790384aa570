// The animation ticks: tag sequences, the sprites drawn, the effects, and the pacing of a turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestGame.h"

namespace {

using TPicture = THeadlessHost::TPicture;

const char* const Balls =
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . 1 . . . 2"
    ". . . . . . . . ."
    ". . . . . . . . ."
    ". . . . . . . . ."
    "J . . . . . . . B";

std::vector<int> Tags(const THeadlessHost& host, TAnimationTimer timer) {
  std::vector<int> tags;
  for (const auto& tick : host.Ticks)
    if (tick.Timer == timer) tags.push_back(tick.Tag);
  return tags;
}

std::vector<std::int64_t> Times(const THeadlessHost& host, TAnimationTimer timer) {
  std::vector<std::int64_t> times;
  for (const auto& tick : host.Ticks)
    if (tick.Timer == timer) times.push_back(tick.Time);
  return times;
}

long Count(const std::vector<TSoundEffect>& effects, TSoundEffect effect) {
  return std::count(effects.begin(), effects.end(), effect);
}

}  // namespace

TEST(JumpAnimation, AColouredBallCyclesThroughFourFramesAndSoundsOncePerCycle) {
  TTestGame test;
  test.Load(Balls, {3, 4, 5});
  test.Game.PanelClick(41);
  const TPicture frames[] = {{false, TSpriteSet::Normal, 1, 1}, {false, TSpriteSet::Jump, 1, 1},
                             {false, TSpriteSet::Jump, 2, 1}, {false, TSpriteSet::Jump, 1, 1}};
  for (int tick = 0; tick < 8; ++tick) {
    test.Host.RunFor(60);
    EXPECT_EQ(test.Host.Pictures[41], frames[tick % 4]) << "tick " << tick;
  }
  EXPECT_EQ(Tags(test.Host, TAnimationTimer::Jump), (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3}));
  EXPECT_EQ(test.Host.Effects, (std::vector<TSoundEffect>{TSoundEffect::Jump, TSoundEffect::Jump}));
}

TEST(JumpAnimation, AJokerCyclesThroughThreeFramesAndABombSoundsItsOwnJump) {
  TTestGame test;
  test.Load(Balls, {3, 4, 5});
  test.Game.PanelClick(73);
  test.Host.RunFor(6 * 60);
  EXPECT_EQ(Tags(test.Host, TAnimationTimer::Jump), (std::vector<int>{0, 1, 2, 0, 1, 2}));
  EXPECT_EQ(test.Host.Effects, (std::vector<TSoundEffect>{TSoundEffect::JumpJoker, TSoundEffect::JumpJoker}));
  EXPECT_EQ(test.Host.Pictures[73], (TPicture{false, TSpriteSet::Jump, 2, JokerBall}));

  test.Host.Effects.clear();
  test.Game.PanelClick(81);
  test.Host.RunFor(4 * 60);
  EXPECT_EQ(test.Host.Effects, (std::vector<TSoundEffect>{TSoundEffect::JumpBomb}));
  EXPECT_EQ(test.Host.Pictures[73], (TPicture{false, TSpriteSet::Normal, 1, JokerBall})) << "the joker is left at rest";
}

TEST(JumpAnimation, ASecondBallStartsAtJumpFrameOneAndTheFirstIsLeftAtRest) {
  TTestGame test;
  test.Load(Balls, {3, 4, 5});
  test.Game.PanelClick(41);
  test.Host.RunFor(130);
  EXPECT_EQ(test.Host.Pictures[41], (TPicture{false, TSpriteSet::Jump, 1, 1}));
  test.Game.PanelClick(45);
  EXPECT_EQ(test.Host.Pictures[41], (TPicture{false, TSpriteSet::Normal, 1, 1}));
  EXPECT_EQ(test.Game.TimerTag(TAnimationTimer::Jump), 1);
  test.Host.RunFor(60);
  EXPECT_EQ(test.Host.Pictures[45], (TPicture{false, TSpriteSet::Jump, 1, 2}));
}

TEST(JumpAnimation, TheMasterSwitchSilencesEveryEffect) {
  TTestGame test;
  GameSettings.SoundsOff = 1;
  test.Load(Balls, {3, 4, 5});
  test.Game.PanelClick(41);
  test.Host.RunFor(500);
  test.Game.PanelClick(1);
  test.Host.RunUntilIdle();
  EXPECT_TRUE(test.Host.Effects.empty());
}

TEST(MoveAnimation, ANeighbourMoveDrawsOnceAndHandsOverAt110Milliseconds) {
  TTestGame test;
  test.Load(Balls, {3, 4, 5});
  test.Game.PanelClick(41);
  test.Host.Effects.clear();
  test.Game.PanelClick(42);
  EXPECT_EQ(test.Host.Pictures[41], (TPicture{false, TSpriteSet::Normal, 1, 1})) << "the ball travels at rest";
  test.Host.RunUntilIdle();
  const std::int64_t start = Times(test.Host, TAnimationTimer::Move).front() - 55;
  EXPECT_EQ(Tags(test.Host, TAnimationTimer::Move), (std::vector<int>{0, 1}));
  EXPECT_EQ(Times(test.Host, TAnimationTimer::Move).back() - start, 110);
  EXPECT_EQ(Times(test.Host, TAnimationTimer::Make).front() - start, 110 + 50) << "the new balls begin at the handover";
  EXPECT_EQ(test.Host.Effects.front(), TSoundEffect::Move);
  EXPECT_EQ(Count(test.Host.Effects, TSoundEffect::Move), 1);
  EXPECT_TRUE(test.Host.Pictures[41].Empty);
  EXPECT_EQ(test.Host.Pictures[42], (TPicture{false, TSpriteSet::Normal, 1, 1}));
  EXPECT_EQ(test.Game.TimerTag(TAnimationTimer::Move), 0);
}

TEST(MoveAnimation, WithoutTheMoveSoundTheTagStaysZero) {
  TTestGame test;
  GameSettings.SoundMove = 0;
  test.Load(Balls, {3, 4, 5});
  test.Game.PanelClick(41);
  test.Game.PanelClick(1);
  test.Host.RunFor(5 * 55);
  EXPECT_TRUE(test.Game.TimerEnabled(TAnimationTimer::Move));
  EXPECT_EQ(test.Game.TimerTag(TAnimationTimer::Move), 0);
  test.Host.RunUntilIdle();
  EXPECT_EQ(Count(test.Host.Effects, TSoundEffect::Move), 0);
  // Path of 9 cells: 8 drawing ticks and the closing one.
  EXPECT_EQ(Tags(test.Host, TAnimationTimer::Move).size(), 9u);
  EXPECT_EQ(test.Host.Pictures[1], (TPicture{false, TSpriteSet::Normal, 1, 1}));
}

TEST(MakeAnimation, ANewBallGrowsInThreeTicksWithTheEffectOfItsKind) {
  TTestGame test(0, true, true);
  test.Load(Balls, {JokerBall, BombBall, 6});
  test.Move(41, 42);
  EXPECT_EQ(Tags(test.Host, TAnimationTimer::Make), (std::vector<int>{0, 1, 2, 0, 1, 2, 0, 1, 2}));
  const std::vector<TSoundEffect> expected = {TSoundEffect::Move, TSoundEffect::CreateJoker, TSoundEffect::CreateBomb,
                                              TSoundEffect::Create};
  EXPECT_EQ(test.Host.Effects, expected);
  for (const auto& event : test.Host.BoardEvents)
    EXPECT_EQ(test.Host.Pictures[event.Cell], (TPicture{false, TSpriteSet::Normal, 1, event.Code}));
  EXPECT_FALSE(test.Game.TimerEnabled(TAnimationTimer::Make));
  EXPECT_EQ(test.Game.TimerTag(TAnimationTimer::Make), 0);
}

TEST(MakeAnimation, TheFramesAreSmallLargerThenAtRest) {
  // The turn's waits run inside the move's closing tick, so the pictures are looked at from there.
  TTestGame test;
  test.Load(Balls, {3, 4, 5});
  const std::int64_t click = test.Host.Now();
  int cell = 0;
  std::vector<TPicture> seen;
  for (const std::int64_t after : {185, 235, 285}) {
    test.Host.At(click + after, [&] {
      if (cell == 0) cell = test.Fields().SpawnCell;
      seen.push_back(test.Host.Pictures[cell]);
    });
  }
  test.Move(41, 42);
  const std::vector<TPicture> frames = {{false, TSpriteSet::Make, 1, 3}, {false, TSpriteSet::Make, 2, 3},
                                        {false, TSpriteSet::Normal, 1, 3}};
  EXPECT_EQ(seen, frames);
}

TEST(DestroyAnimation, BallsBreakInThreeTicksAndTheBoardKeepsThemUntilTheEnd) {
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
  // Four drawing ticks and the closing one at 275 ms; the balls break at 335, 395 and 455 ms.
  const std::int64_t click = test.Host.Now();
  const TPicture frames[] = {{false, TSpriteSet::Destroy, 1, 1}, {false, TSpriteSet::Destroy, 2, 1}, {}};
  int checks = 0;
  for (int tick = 0; tick < 3; ++tick) {
    test.Host.At(click + 340 + 60 * tick, [&, tick] {
      ++checks;
      for (int cell = 1; cell <= 5; ++cell) EXPECT_EQ(test.Host.Pictures[cell], frames[tick]) << cell << " at " << tick;
      EXPECT_EQ(test.Game.Cell(3), tick < 2 ? 1 : 0) << "the board holds the balls while they break";
    });
  }
  test.Move(9, 5);
  test.Host.RunFor(1000);
  EXPECT_EQ(checks, 3);
  EXPECT_EQ(Tags(test.Host, TAnimationTimer::Destroy), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Count(test.Host.Effects, TSoundEffect::Break), 1);
  EXPECT_EQ(CountEmptyCells(test.Fields().Board), 81);
  EXPECT_EQ(test.Game.Variables.Score, 10);
}
