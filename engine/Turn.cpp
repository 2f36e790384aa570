// The turn rules: selection, move requests, the end of a move, new balls and new games.
#include <cassert>

#include "Game.h"
#include "GameSettings.h"

void TGame::PanelClick(int cell) {
  assert(cell >= 1 && cell <= CellCount);
  if (CountEmptyCells(Board) == 0) {
    if (WaitDepth > 0) {
      if (Held == THeldNewGame::None) Held = THeldNewGame::BoardClick;
    } else {
      NewGame();
    }
    return;
  }
  if (MoveTimer.Enabled || DestroyTimer.Enabled) return;
  if (SelectedCell != 0) {
    // While a turn waits, the moment between two of its animations is still part of the turn.
    if (MakeTimer.Enabled || WaitDepth > 0) return;
    StopSelectionDisplay();
    if (Board[cell] != EmptyCell) {
      SelectedCell = cell;
    } else {
      TargetCell = cell;
      Stablo.Reset();
      if (Stablo.FindPath(SelectedCell, TargetCell)) {
        Stablo.BuildPath();
        MoveStep = 2;
        // The board holds the ball at its destination from now on; the pictures follow.
        Board[TargetCell] = Board[SelectedCell];
        Board[SelectedCell] = EmptyCell;
        SwitchTimer(TAnimationTimer::Move, true);
        ++Statistics.Moves;
        LastCell = TargetCell;
        SelectedCell = 0;
        TargetCell = 0;
        return;
      }
      if (EffectOn(GameSettings.SoundStuck)) Effects.PlayEffect(TSoundEffect::Stuck);
    }
  } else {
    if (Board[cell] == EmptyCell) return;
    SelectedCell = cell;
  }
  SwitchTimer(TAnimationTimer::Jump, true);
}

void TGame::DeselectBall() {
  if (SelectedCell == 0 || MoveTimer.Enabled || DestroyTimer.Enabled || MakeTimer.Enabled || WaitDepth > 0) return;
  StopSelectionDisplay();
  SelectedCell = 0;
}

void TGame::FinishMove() {
  if (Board[LastCell] == BombBall) {
    BlastBomb();
    SpawnBalls();
    return;
  }
  if (!CheckLines(true)) SpawnBalls();
  if (CountEmptyCells(Board) == 0) OfferScore();
}

void TGame::OfferScore() {
  // A game in which a move was taken back is no record of play.
  if (Variables.UndoUsed == 0) Scores.SubmitScore();
}

void TGame::BlastBomb() {
  RemovalCount = 1;
  RemovalList[1] = LastCell;
  for (const int offset : {-1, 1, -9, 9, -10, 10, -8, 8}) {
    const int cell = LastCell + offset;
    if (cell < 1 || cell > CellCount || Board[cell] == EmptyCell) continue;
    // Numbers one apart across the left and right edges are no neighbours.
    if (Edges.LeftColumn.Contains(LastCell) && Edges.RightColumn.Contains(cell)) continue;
    if (Edges.RightColumn.Contains(LastCell) && Edges.LeftColumn.Contains(cell)) continue;
    ++RemovalCount;
    RemovalList[RemovalCount] = cell;
  }
  RemoveBalls(false);
}

void TGame::SpawnBalls() {
  for (int i = 1; i <= BallsPerTurn; ++i) {
    if (CountEmptyCells(Board) == 0) break;
    if (MakeTimer.Enabled) WaitUntilOff(TAnimationTimer::Make);
    const int cell = RandomEmptyCell();
    SpawnCell = cell;
    Board[cell] = NextBalls[i];
    LastCell = cell;
    SwitchTimer(TAnimationTimer::Make, true);
    WaitUntilOff(TAnimationTimer::Make);
    // A line that a new ball completes vanishes without points; its cells may take the next balls.
    CheckLines(false);
  }
  DrawNextBalls();
}

void TGame::DrawNextBalls() {
  for (int i = 1; i <= BallsPerTurn; ++i) {
    View.ClearNextBall(i);
    NextBalls[i] = RandomBallCode();
    View.ShowNextBall(i, NextBalls[i]);
  }
}

BallCode TGame::RandomBallCode() {
  if (Variables.GameJokers != 0 && (Random.Random(100) + 1) % 25 == 0) return JokerBall;
  if (Variables.GameBombs != 0 && (Random.Random(100) + 1) % 30 == 0) return BombBall;
  return static_cast<BallCode>(Random.Random(7) + 1);
}

int TGame::RandomEmptyCell() {
  assert(CountEmptyCells(Board) > 0);
  int cell;
  do {
    cell = Random.Random(CellCount) + 1;
  } while (Board[cell] != EmptyCell);
  return cell;
}

void TGame::StartNewGame() {
  Animation.NewGameStarting();
  const int level = GameSettings.Level;
  View.ArrangePreview(level);
  Level = level;
  ++Serial;
  BallsPerTurn = BallsPerTurnFor(level);
  ScoreFactor = ScoreFactorFor(GameSettings.Jokers, GameSettings.Bombs);
  Variables.GameBombs = GameSettings.Bombs != 0;
  Variables.GameJokers = GameSettings.Jokers != 0;
  // The game being abandoned is offered; the score keeper ignores a score offered before.
  OfferScore();
  Variables.ScoreSubmitted = 0;
  Variables.UndoUsed = 0;
  Statistics = {};
  View.ShowBest(Scores.BestScore(level));
  View.SetNewEnabled(false);
  for (const TAnimationTimer timer :
       {TAnimationTimer::Jump, TAnimationTimer::Make, TAnimationTimer::Destroy, TAnimationTimer::Move}) {
    SwitchTimer(timer, false);
    TimerState(timer).Tag = 0;
  }
  Random.Randomize();
  Variables.LastRank = 0;
  Variables.Score = 0;
  View.ShowScore(0);
  SelectedCell = 0;
  TargetCell = 0;
  for (int cell = 1; cell <= CellCount; ++cell) {
    Board[cell] = EmptyCell;
    View.ClearCell(cell);
  }
  // The first five balls come at every level, straight from the generator, with no line check.
  for (int i = 1; i <= 5; ++i) {
    SpawnCell = RandomEmptyCell();
    Board[SpawnCell] = RandomBallCode();
    SwitchTimer(TAnimationTimer::Make, true);
    WaitUntilOff(TAnimationTimer::Make);
  }
  DrawNextBalls();
  View.SetNewEnabled(true);
}
