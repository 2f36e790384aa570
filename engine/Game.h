// The running game: its board and fields, the turn rules, the line scan and the animation ticks.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "Board.h"
#include "GameHost.h"
#include "GameState.h"
#include "GameVariables.h"
#include "Lines.h"
#include "Random.h"
#include "Red.h"
#include "Stablo.h"

// A timer's switch and its tag, which is the timer's frame counter.
struct TTimerState {
  bool Enabled = false;
  int Tag = 0;
};

// The game fields that the turn rules, the path finder and the animations hand to one another.
struct TGameFields {
  int SelectedCell = 0;  // 0: no selection
  int TargetCell = 0;
  int MoveStep = 0;      // position in Path of the cell the next move tick carries the ball into
  int SpawnCell = 0;     // cell whose new ball the make animation draws
  int LastCell = 0;      // cell whose four lines are scanned; also the cell of a bomb going off
  // Entries after RemovalCount carry no meaning.
  TOneBased<int, RemovalCapacity> RemovalList;
  int RemovalCount = 0;
  TOneBased<BallCode, MaxBallsPerTurn> NextBalls;  // 1..BallsPerTurn in use
  int BallsPerTurn = 3;
  double ScoreFactor = 2.0;
  TBoard Board;
  TTimerState MoveTimer;
  TTimerState JumpTimer;
  TTimerState MakeTimer;
  TTimerState DestroyTimer;
};

// One game at a time. Every handler runs on one thread; the waits of the turn rules hand control to
// IAnimationHost, which delivers timer ticks and clicks back into this object until the awaited timer
// is off. The settings are read from the global GameSettings.
class TGame : private TGameFields {
public:
  TGame(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
        TRandom& random = ProgramRandom());
  // The window keeps the game variables from its creation on, before the game object exists, so
  // that the dialogs created with it can refer to them.
  TGame(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
        TRandom& random, TGameVariables& variables);
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

private:
  TGameVariables OwnVariables;  // used when nobody hands the variables in

public:
  TGameVariables& Variables;

  // A click on board cell 1..81.
  void PanelClick(int cell);
  // The player lets go of the selected ball: it comes to rest and nothing is selected. Refused
  // whenever a click could not change the selection (a move, a removal, a turn's wait).
  void DeselectBall();
  // "New game" from the window (button, settings change): starts at once when no turn is waiting
  // for an animation, otherwise as soon as the running turn has ended.
  void RequestNewGame();
  // Starts a game at once; for the start screen, when no turn can be running.
  void NewGame();

  // The game as it stands; only while it rests (Resting()).
  TGameState State() const;
  // Puts the game back where State() was taken (or a valid state read from a file) and redraws it:
  // every ball at rest, the preview, the score and the level's best score; a selected ball jumps
  // again. The level and options come from the state, not from the settings. Only while no turn runs.
  void Restore(const TGameState& state);

  // Sets up a position without playing to it (tests and tools): the board, the next balls (one per
  // ball of a turn), no selection, every ball drawn at rest. Only while no animation runs.
  void LoadPosition(const TBoard& board, std::initializer_list<BallCode> nextBalls);

  // The tick handlers of the four timers; a tick of a timer that is off does nothing.
  void JumpTimerTimer();
  void MoveTimerTimer();
  void MakeTimerTimer();
  void DestroyTimerTimer();
  // Shows the selected ball at rest and stops its jumping.
  void StopSelectionDisplay();

  const TGameFields& Fields() const { return *this; }
  BallCode Cell(int cell) const { return Board[cell]; }
  const TTimerState& Timer(TAnimationTimer timer) const;
  bool TimerEnabled(TAnimationTimer timer) const { return Timer(timer).Enabled; }
  int TimerTag(TAnimationTimer timer) const { return Timer(timer).Tag; }
  const TStablo& PathFinder() const { return Stablo; }
  const TEdgeSets& EdgeSets() const { return Edges; }
  // A turn rule is waiting for an animation (ticks and clicks arrive from inside that wait).
  bool TurnWaiting() const { return WaitDepth > 0; }
  // A new game has been asked for during a wait and starts when the running turn has ended.
  bool NewGameHeld() const { return Held != THeldNewGame::None; }
  // A turn runs: a ball moves, grows or vanishes, a rule waits, or a new game is held until its end.
  bool TurnRunning() const;
  // A game is on the board (started or restored) and no turn runs: its state may be taken.
  bool Resting() const { return Level >= 0 && !TurnRunning(); }
  // Counts the games started, so that what was kept for one game is not applied to the next.
  int GameSerial() const { return Serial; }
  const TGameStatistics& GameStatistics() const { return Statistics; }
  // The level of the game on the board (0 Normal, 1 Hard, 2 Impossible), -1 before the first.
  int GameLevel() const { return Level; }

private:
  enum class THeldNewGame { None, BoardClick, Request };

  // Turn rules.
  void FinishMove();
  void OfferScore();
  void BlastBomb();
  void SpawnBalls();
  void DrawNextBalls();
  BallCode RandomBallCode();
  int RandomEmptyCell();
  void StartNewGame();
  void CarryOutHeldNewGame();

  // Line scan.
  struct TRun;
  bool CheckLines(bool scoring);
  void ScanLine(int step, const TRed& backward, const TRed& forward, bool diagonal, bool scoring);
  void AddRun(const TRun& run, bool scoring);
  bool RemoveBalls(bool scoring);
  void AddPoints(int points);

  // Animation.
  void DrawAtRest();
  void JumpTick();
  void DropSelection();
  bool EffectOn(std::uint8_t effectSwitch) const;
  TTimerState& TimerState(TAnimationTimer timer);
  void SwitchTimer(TAnimationTimer timer, bool enabled);
  void WaitUntilOff(TAnimationTimer timer);

  IBoardView& View;
  IEffectPlayer& Effects;
  IAnimationHost& Animation;
  IScoreKeeper& Scores;
  TRandom& Random;
  TEdgeSets Edges;
  TStablo Stablo;
  int WaitDepth = 0;
  THeldNewGame Held = THeldNewGame::None;
  int Level = -1;  // of the game on the board, which the preview is laid out for; -1 before the first
  int Serial = 0;
  TGameStatistics Statistics;
};
