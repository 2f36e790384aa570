// The small interfaces through which the engine reaches the window, the sound and the score lists.
#pragma once

#include <cstdint>

#include "BallCode.h"

// The four sprite sets of the board's pictures.
enum class TSpriteSet { Normal, Make, Jump, Destroy };

// The four animation timers that pace a turn.
enum class TAnimationTimer { Move, Jump, Make, Destroy };

// The eleven effects, numbered by their position in the sound bank.
enum class TSoundEffect {
  StartUp = 1,
  Break,
  Create,
  CreateJoker,
  CreateBomb,
  Jump,
  JumpJoker,
  JumpBomb,
  Move,
  Stuck,
  Close,
};

// The board's pictures, the score displays, the preview row and the New button.
class IBoardView {
public:
  virtual ~IBoardView() = default;
  // Gives cell n's image its own copy of sprite (frame, code) of the set.
  virtual void DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) = 0;
  virtual void ClearCell(int cell) = 0;
  // Copies the picture of cell `from` into cell `to`.
  virtual void CopyCell(int from, int to) = 0;
  virtual void ShowScore(std::uint16_t score) = 0;
  virtual void ShowBest(std::uint16_t best) = 0;
  virtual void ClearNextBall(int position) = 0;
  virtual void ShowNextBall(int position, BallCode code) = 0;
  // Lays out the preview row for a level (3, 4 or 5 places).
  virtual void ArrangePreview(int level) = 0;
  virtual void SetNewEnabled(bool enabled) = 0;
};

// Plays one effect under its switch; Stuck returns only when the sound has ended.
class IEffectPlayer {
public:
  virtual ~IEffectPlayer() = default;
  virtual void PlayEffect(TSoundEffect effect) = 0;
};

// The real timers behind the engine's timer state, and the waits of the turn rules.
class IAnimationHost {
public:
  virtual ~IAnimationHost() = default;
  // The engine switched a timer on or off: start or stop its ticks.
  virtual void TimerEnabledChanged(TAnimationTimer timer, bool enabled) = 0;
  // Handles ticks and input (without spinning) until the engine has switched the timer off.
  virtual void WaitUntilOff(TAnimationTimer timer) = 0;
  // A move's turn has ended (the board may be full) and the game rests: the moment to save it.
  virtual void TurnFinished() {}
  // A new game is about to take the board: the game before it, if any, can still be read whole
  // (score, options, statistics), whatever started the new one.
  virtual void NewGameStarting() {}
};

// The top-ten lists as the turn rules see them.
class IScoreKeeper {
public:
  virtual ~IScoreKeeper() = default;
  // Offers the running game's score to the list of the current level, once per game.
  virtual void SubmitScore() = 0;
  // The score of place 1 of a level's list.
  virtual std::uint16_t BestScore(int level) = 0;
};
