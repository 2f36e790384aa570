// Line detection, removal and scoring.
#include <algorithm>
#include <cmath>

#include "Game.h"

double ScoreFactorFor(unsigned char jokers, unsigned char bombs) {
  if (jokers != 0 && bombs != 0) return 1.7;
  if (bombs != 0) return 1.8;
  if (jokers != 0) return 1.9;
  return 2.0;
}

int LinePoints(int count, double factor) {
  const int bonus = count >= 10 ? 10 : count == 9 ? 8 : count == 8 ? 6 : count == 7 ? 4 : 0;
  // The product is rounded to a double before the cut, so 10 x 1.9 gives 19, not 18.
  const double product = static_cast<double>(count) * factor;
  return static_cast<int>(std::trunc(product)) + bonus;
}

// The run that a scan follows; jokers at its end may also begin the next run.
struct TGame::TRun {
  TOneBased<int, RunCapacity> Cells;  // 0 marks a free position
  int Length = 0;
  BallCode Code = EmptyCell;
  bool TrailingJoker = false;
  int JokerCount = 0;  // jokers at the end of the run

  void Begin(int cell, BallCode code, int step) {
    Cells.Fill(0);
    Length = 1;
    if (TrailingJoker) {
      for (int k = 1; k <= JokerCount; ++k) {
        Cells[Length] = cell - k * step;
        ++Length;
      }
    }
    Code = code;
    Cells[Length] = cell;
    // A run that begins with a joker is a run of jokers until a colour joins it.
    TrailingJoker = code == JokerBall;
    JokerCount = TrailingJoker ? 1 : 0;
  }

  bool Complete() const { return Length >= ShortestRun && Code != EmptyCell; }
};

bool TGame::CheckLines(bool scoring) {
  RemovalCount = 0;
  RemovalList.Fill(0);
  ScanLine(1, Edges.LeftColumn, Edges.RightColumn, false, scoring);
  ScanLine(9, Edges.TopRow, Edges.BottomRow, false, scoring);
  ScanLine(10, Edges.LeftColumn, Edges.RightColumn, true, scoring);
  ScanLine(8, Edges.RightColumn, Edges.LeftColumn, true, scoring);
  return RemoveBalls(scoring);
}

void TGame::ScanLine(int step, const TRed& backward, const TRed& forward, bool diagonal, bool scoring) {
  const auto atStart = [&](int cell) { return backward.Contains(cell) || (diagonal && Edges.TopRow.Contains(cell)); };
  const auto atEnd = [&](int cell) { return forward.Contains(cell) || (diagonal && Edges.BottomRow.Contains(cell)); };
  int cell = LastCell;
  while (!atStart(cell)) cell -= step;

  TRun run;
  run.Begin(cell, Board[cell], step);
  while (!atEnd(cell)) {
    cell += step;
    const BallCode code = Board[cell];
    // Jokers after an empty cell begin a run of their own, as at the start of the line; taken
    // into the empty run they could never vanish.
    if (code == run.Code || (code == JokerBall && run.Code != EmptyCell)) {
      if (code == JokerBall) {
        ++run.JokerCount;
        run.TrailingJoker = true;
      } else {
        run.TrailingJoker = false;
        run.JokerCount = 0;
      }
      ++run.Length;
      run.Cells[run.Length] = cell;
    } else {
      if (run.Complete()) {
        AddRun(run, scoring);
        // Only jokers shared with the next run let the scan go on past a found run.
        if (!run.TrailingJoker) return;
      }
      run.Begin(cell, code, step);
    }
  }
  if (run.Complete()) AddRun(run, scoring);
}

void TGame::AddRun(const TRun& run, bool scoring) {
  // Every run found is removed, so it can be counted as soon as it is found.
  if (scoring) Statistics.CountLine(run.Length);
  for (int k = 1; k <= RunCapacity && run.Cells[k] != 0; ++k) {
    ++RemovalCount;
    RemovalList[RemovalCount] = run.Cells[k];
  }
}

bool TGame::RemoveBalls(bool scoring) {
  if (RemovalCount == 0) return false;
  // A ball selected while new balls grew may be in the line that one of them completed.
  for (int i = 1; i <= RemovalCount; ++i) {
    if (RemovalList[i] == SelectedCell) {
      DropSelection();
      break;
    }
  }
  SwitchTimer(TAnimationTimer::Destroy, true);
  WaitUntilOff(TAnimationTimer::Destroy);
  for (int i = 1; i <= RemovalCount && RemovalList[i] != 0; ++i) {
    // A cell in two runs is listed twice but clears one ball.
    if (Board[RemovalList[i]] != EmptyCell) ++Statistics.BallsCleared;
    Board[RemovalList[i]] = EmptyCell;
  }
  if (scoring) {
    AddPoints(LinePoints(RemovalCount, ScoreFactor));
    View.ShowScore(Variables.Score);
  }
  return true;
}

void TGame::AddPoints(int points) {
  // The score is 16 bits wide like the top-ten entries; it stops at the top instead of wrapping.
  Variables.Score = static_cast<std::uint16_t>(std::min(65535, Variables.Score + points));
}
