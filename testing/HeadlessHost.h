// A host without a window: a simulated clock that ticks the game's timers, scripted input at given
// times, and a record of what the game drew, played and offered.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "Game.h"

class THeadlessHost : public IBoardView, public IEffectPlayer, public IAnimationHost, public IScoreKeeper {
public:
  // What a cell's image shows.
  struct TPicture {
    bool Empty = true;
    TSpriteSet Set = TSpriteSet::Normal;
    int Frame = 0;
    BallCode Code = EmptyCell;
    friend bool operator==(const TPicture&, const TPicture&) = default;
  };
  struct TTick {
    std::int64_t Time;
    TAnimationTimer Timer;
    int Tag;  // the tag the tick started with
  };
  // What the game did to the board, in order: a ball placed, or the cells of a removal.
  struct TBoardEvent {
    bool Spawn;
    int Cell;                // Spawn: the new ball's cell
    BallCode Code;           // Spawn: its code
    std::vector<int> Cells;  // Removal: RemovalList[1..RemovalCount]
  };

  static std::int64_t Interval(TAnimationTimer timer);

  void Attach(TGame& game) { Game = &game; }

  std::int64_t Now() const { return Clock; }
  // Runs action (a click, a button) when the clock reaches time, from inside whatever is running then.
  void At(std::int64_t time, std::function<void()> action);
  // Scripted input has not arrived yet.
  bool InputPending() const { return !Script.empty(); }
  // Advances the clock by ms, delivering ticks and scripted input on the way.
  void RunFor(std::int64_t ms);
  // Advances until no move, make or destroy animation runs (a selected ball may go on jumping).
  void RunUntilIdle();

  // IBoardView
  void DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) override;
  void ClearCell(int cell) override;
  void CopyCell(int from, int to) override;
  void ShowScore(std::uint16_t score) override { ShownScore = score; }
  void ShowBest(std::uint16_t best) override { ShownBest = best; }
  void ClearNextBall(int position) override { ShownNext[position] = EmptyCell; }
  void ShowNextBall(int position, BallCode code) override { ShownNext[position] = code; }
  void ArrangePreview(int level) override;
  void SetNewEnabled(bool enabled) override { NewEnabled = enabled; }
  // IEffectPlayer
  void PlayEffect(TSoundEffect effect) override { Effects.push_back(effect); }
  // IAnimationHost
  void TimerEnabledChanged(TAnimationTimer timer, bool enabled) override;
  void WaitUntilOff(TAnimationTimer timer) override;
  void TurnFinished() override;
  // IScoreKeeper
  void SubmitScore() override;
  std::uint16_t BestScore(int level) override { return Best[LevelIndex(level)]; }

  // The record. Ticks are kept only while RecordTicks is set (tests); the rest always.
  TOneBased<TPicture, CellCount> Pictures;
  std::vector<TSoundEffect> Effects;
  bool RecordTicks = false;
  std::vector<TTick> Ticks;
  std::vector<TBoardEvent> BoardEvents;
  std::vector<std::uint16_t> Submitted;
  std::uint16_t Best[3] = {0, 0, 0};
  std::uint16_t ShownScore = 0;
  std::uint16_t ShownBest = 0;
  TOneBased<BallCode, MaxBallsPerTurn> ShownNext;
  int PreviewLevel = -1;
  bool NewEnabled = true;
  // Counted by the preview layout, the first step of every new game (and of restoring a game of
  // another level).
  int GamesStarted = 0;
  int MaxWaitDepth = 0;
  int TurnsFinished = 0;
  bool RestedAtEveryTurnEnd = true;  // the game rested whenever it said a turn had finished

private:
  static int LevelIndex(int level) { return level >= 0 && level <= 2 ? level : 0; }
  // Runs the earliest tick or scripted action due no later than limit; false when there is none.
  bool Step(std::int64_t limit);

  TGame* Game = nullptr;
  std::int64_t Clock = 0;
  std::array<std::int64_t, 4> Due{};  // next tick of each timer, by TAnimationTimer
  std::multimap<std::int64_t, std::function<void()>> Script;
  int WaitDepth = 0;
};
