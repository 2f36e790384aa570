// The undo history of the running game.
#include "GameKeeper.h"

#include <cassert>

TGameKeeper::TGameKeeper(TGame& game) : Rules(game) {}

TGameKeeper::TGameKeeper(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
                         TRandom& random, TGameVariables& variables)
    : OwnGame(std::in_place, view, effects, animation, scores, random, variables), Rules(*OwnGame) {}

void TGameKeeper::PanelClick(int cell) {
  ClickStarting();
  Rules.PanelClick(cell);
  ClickEnded();
}

void TGameKeeper::ClickStarting() {
  // A move can only start from a resting game; other clicks need nothing kept.
  BeforeClick.reset();
  if (Rules.Resting()) BeforeClick = Rules.State();
}

void TGameKeeper::ClickEnded() {
  std::optional<TGameState> before;
  before.swap(BeforeClick);
  if (!before || !Rules.TimerEnabled(TAnimationTimer::Move)) return;
  if (!HistoryCurrent()) {
    History.clear();
    HistorySerial = Rules.GameSerial();
  }
  History.push_back(std::move(*before));
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
