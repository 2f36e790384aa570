// The undo history of the running game.
#include "GameKeeper.h"

#include <cassert>

TGameKeeper::TGameKeeper(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
                         TRandom& random, TGameVariables& variables)
    : Rules(view, effects, animation, scores, random, variables) {}

void TGameKeeper::PanelClick(int cell) {
  // A move can only start from a resting game; other clicks need nothing kept.
  if (!Rules.Resting()) {
    Rules.PanelClick(cell);
    return;
  }
  TGameState before = Rules.State();
  Rules.PanelClick(cell);
  if (!Rules.TimerEnabled(TAnimationTimer::Move)) return;
  if (!HistoryCurrent()) {
    History.clear();
    HistorySerial = Rules.GameSerial();
  }
  History.push_back(std::move(before));
}

bool TGameKeeper::CanUndo() const { return Rules.Resting() && HistoryCurrent() && !History.empty(); }

bool TGameKeeper::Undo() {
  if (!CanUndo()) return false;
  TGameState state = History.back();
  History.pop_back();
  state.UndoUsed = 1;
  Rules.Restore(state);
  return true;
}

TSavedGame TGameKeeper::Saved() const {
  assert(Rules.Resting());
  TSavedGame record{Rules.State(), {}};
  if (HistoryCurrent()) record.History = History;
  return record;
}

void TGameKeeper::Resume(const TSavedGame& record) {
  Rules.Restore(record.Current);
  History = record.History;
  HistorySerial = Rules.GameSerial();
}
