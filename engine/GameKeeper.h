// The game with what outlives its moves: the states to go back to, and the record that a save keeps.
#pragma once

#include <optional>
#include <vector>

#include "Game.h"

// A game as a save holds it: where it stands, and the states before each of its moves, oldest first.
struct TSavedGame {
  TGameState Current;
  std::vector<TGameState> History;

  friend bool operator==(const TSavedGame&, const TSavedGame&) = default;
};

// The undo history of one game. Board clicks reach the game through PanelClick (or between
// ClickStarting and ClickEnded, for a caller that delivers the click itself), which keeps the state
// before every click that sets a ball going; everything else (timer ticks, new games) goes to Game()
// directly. A new game, however it starts, leaves nothing to undo.
class TGameKeeper {
public:
  // Keeps the history of a game that lives elsewhere and outlives the keeper: the window's.
  explicit TGameKeeper(TGame& game);
  // Owns a game of its own on these interfaces: the headless players'.
  TGameKeeper(IBoardView& view, IEffectPlayer& effects, IAnimationHost& animation, IScoreKeeper& scores,
              TRandom& random, TGameVariables& variables);

  TGame& Game() { return Rules; }
  const TGame& Game() const { return Rules; }

  // A click on board cell 1..81, as TGame::PanelClick.
  void PanelClick(int cell);
  // Around a click that the caller hands to the game itself: the state before it is taken, and kept
  // once the click has set a ball going.
  void ClickStarting();
  void ClickEnded();

  // Whether Undo would take a move back: the game rests and has a move since its start.
  bool CanUndo() const;
  // Puts the game back where it stood before its last move (board, next balls, score, selection,
  // generator, statistics), so that the same move brings the same new balls, and marks the game as
  // one whose score is never offered. False, with nothing changed, when CanUndo is false.
  bool Undo();

  // The running game with its undo history; only while the game rests.
  TSavedGame Saved() const;
  // Goes on with a recorded game (its own level and options, whatever the settings say), with its
  // history to undo. Only while no turn runs; every state of the record must be valid.
  void Resume(const TSavedGame& record);

private:
  bool HistoryCurrent() const { return HistorySerial == Rules.GameSerial(); }

  std::optional<TGame> OwnGame;
  TGame& Rules;
  std::vector<TGameState> History;
  int HistorySerial = 0;  // the game the history belongs to
  // The state before the click being delivered; only a resting game's click can start a move.
  std::optional<TGameState> BeforeClick;
};
