// The simulator's checks of undo and of saved games.
#include "UndoCheck.h"

#include "GameFormat.h"
#include "TurnCheck.h"

namespace {

// A state apart from what taking a move back changes on purpose: the mark itself, and the offer of
// the score, which a game with the mark does not get at its end.
TGameState Comparable(TGameState state) {
  state.UndoUsed = 0;
  state.ScoreSubmitted = 0;
  return state;
}

}  // namespace

std::vector<std::string> CheckUndoAndReplay(TGameKeeper& keeper, THeadlessHost& host,
                                            std::span<const TReplayableTurn> turns) {
  std::vector<std::string> problems;
  TGame& game = keeper.Game();
  for (auto turn = turns.rbegin(); turn != turns.rend(); ++turn) {
    if (!keeper.Undo()) return {"a move could not be taken back"};
    if (Comparable(game.State()) != Comparable(turn->Before)) return {"undo did not bring back the state before the move"};
    if (game.Variables.UndoUsed != 1) problems.push_back("a game with a move taken back is not marked");
    for (const std::string& problem : CheckRestingState(game, host)) problems.push_back("after undo: " + problem);
  }
  for (const TReplayableTurn& turn : turns) {
    // The first ball is selected already; clicking it again keeps it so.
    keeper.PanelClick(turn.Move.From);
    keeper.PanelClick(turn.Move.To);
    host.RunUntilIdle();
    if (Comparable(game.State()) != Comparable(turn.After)) {
      problems.push_back("the same move after undo ended differently");
      break;
    }
  }
  return problems;
}

std::vector<std::string> CheckSaveAndLoad(const TGameKeeper& keeper, TGameKeeper& twin) {
  const TSavedGame record = keeper.Saved();
  const TSavedGame loaded = DecodeGame(EncodeGame(record));
  if (loaded != record) return {"a saved game came back different"};
  twin.Resume(loaded);
  if (twin.Game().State() != keeper.Game().State() || twin.Saved() != record)
    return {"a resumed game does not stand where the saved one stood"};
  return {};
}
