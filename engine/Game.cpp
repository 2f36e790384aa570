// The game object: its timers, the waits for their animations, and new games asked for during a wait.
#include "Game.h"

#include <cassert>

#include "OneOfFour.h"
#include "GameSettings.h"

TGame::TGame(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
             TRandom& random)
    : TGame(view, effects, animation, scores, random, OwnVariables) {}

TGame::TGame(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
             TRandom& random, TGameVariables& variables)
    : Variables(variables),
      View(view),
      Effects(effects),
      Animation(animation),
      Scores(scores),
      Random(random),
      Stablo(Board, Edges) {}

const TTimerState& TGame::Timer(TAnimationTimer timer) const {
  return OneOfFour(timer, MoveTimer, JumpTimer, MakeTimer, DestroyTimer);
}

TTimerState& TGame::TimerState(TAnimationTimer timer) { return const_cast<TTimerState&>(Timer(timer)); }

void TGame::SwitchTimer(TAnimationTimer timer, bool enabled) {
  TTimerState& state = TimerState(timer);
  // Like a timer component, switching on a running timer neither restarts it nor resets its tag.
  if (state.Enabled == enabled) return;
  state.Enabled = enabled;
  Animation.TimerEnabledChanged(timer, enabled);
}

void TGame::WaitUntilOff(TAnimationTimer timer) {
  // The depth must come back down even when a handler inside the wait throws an I/O error.
  struct TDepth {
    int& Depth;
    explicit TDepth(int& depth) : Depth(depth) { ++Depth; }
    ~TDepth() { --Depth; }
  } depth(WaitDepth);
  Animation.WaitUntilOff(timer);
  assert(!TimerEnabled(timer));
}

bool TGame::EffectOn(std::uint8_t effectSwitch) const {
  return effectSwitch != 0 && GameSettings.SoundsOff == 0;
}

void TGame::RequestNewGame() {
  // A new game started inside a wait would return into the interrupted turn, which would then go
  // on working on the new board.
  if (WaitDepth > 0) {
    Held = THeldNewGame::Request;
    return;
  }
  NewGame();
}

void TGame::NewGame() {
  StartNewGame();
  CarryOutHeldNewGame();
}

void TGame::CarryOutHeldNewGame() {
  while (Held != THeldNewGame::None && WaitDepth == 0) {
    const THeldNewGame held = Held;
    Held = THeldNewGame::None;
    // A click on a full board means "game over, play again"; if a line of the last new ball freed
    // cells since, the game goes on.
    if (held == THeldNewGame::Request || CountEmptyCells(Board) == 0) StartNewGame();
  }
}

bool TGame::TurnRunning() const {
  return MoveTimer.Enabled || MakeTimer.Enabled || DestroyTimer.Enabled || WaitDepth > 0 ||
         Held != THeldNewGame::None;
}

TGameState TGame::State() const {
  assert(Resting());
  TGameState state;
  state.Board = Board;
  for (int i = 1; i <= BallsPerTurn; ++i) state.NextBalls[i] = NextBalls[i];
  state.Level = static_cast<std::uint8_t>(Level);
  state.GameJokers = Variables.GameJokers;
  state.GameBombs = Variables.GameBombs;
  state.Score = Variables.Score;
  state.ScoreSubmitted = Variables.ScoreSubmitted;
  state.UndoUsed = Variables.UndoUsed;
  state.SelectedCell = static_cast<std::uint8_t>(SelectedCell);
  state.Random = Random.State();
  state.Statistics = Statistics;
  return state;
}

void TGame::Restore(const TGameState& state) {
  assert(!TurnRunning() && state.Valid());
  if (state.Level != Level) {
    Level = state.Level;
    View.ArrangePreview(Level);
  }
  BallsPerTurn = BallsPerTurnFor(Level);
  ScoreFactor = ScoreFactorFor(state.GameJokers, state.GameBombs);
  Variables.GameJokers = state.GameJokers;
  Variables.GameBombs = state.GameBombs;
  Variables.Score = state.Score;
  Variables.ScoreSubmitted = state.ScoreSubmitted;
  Variables.UndoUsed = state.UndoUsed;
  Random.Restore(state.Random);
  Statistics = state.Statistics;
  DropSelection();
  TargetCell = 0;
  Board = state.Board;
  NextBalls = state.NextBalls;
  DrawAtRest();
  View.ShowScore(Variables.Score);
  View.ShowBest(Scores.BestScore(Level));
  if (state.SelectedCell != 0) {
    SelectedCell = state.SelectedCell;
    SwitchTimer(TAnimationTimer::Jump, true);
  }
}

void TGame::LoadPosition(const TBoard& board, std::initializer_list<BallCode> nextBalls) {
  assert(!MoveTimer.Enabled && !MakeTimer.Enabled && !DestroyTimer.Enabled && WaitDepth == 0);
  assert(static_cast<int>(nextBalls.size()) == BallsPerTurn);
  DropSelection();
  Board = board;
  int position = 0;
  for (const BallCode code : nextBalls) NextBalls[++position] = code;
  DrawAtRest();
}

void TGame::DrawAtRest() {
  for (int cell = 1; cell <= CellCount; ++cell) {
    if (Board[cell] == EmptyCell) View.ClearCell(cell);
    else View.DrawSprite(cell, TSpriteSet::Normal, 1, Board[cell]);
  }
  for (int position = 1; position <= BallsPerTurn; ++position) View.ShowNextBall(position, NextBalls[position]);
}
