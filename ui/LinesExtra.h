// What an extra beside the classic main window is told: the window's classic moments, one call each.
#pragma once

#include "GameHost.h"

// Why a new game was asked for from the window.
enum class TNewGameCause { Button, Settings };

// An object of its own attached to the main window (TfrmLines::Attach). Every call has nothing to
// do by default, so an extra overrides only the moments it acts at. The board view's calls reach
// each extra after the window has drawn them, so an extra may draw over them or note what the board
// shows. Input that the classic window does not take (keys, the context menu, presses on the board)
// an extra watches itself, through an event filter on the window's controls.
class TLinesExtra : public IBoardView {
public:
  // FormShow has made the game: TfrmLines::Game() exists from here on.
  virtual void GameCreated() {}
  // The start picture was clicked. An extra may put a game to go on with on the board instead of a
  // new one; true when it did, and the window then starts none.
  virtual bool TakeFirstGame() { return false; }
  // Another extra took the first game (TakeFirstGame): it is on the board from now.
  virtual void GameTakenUp() {}
  // Around every click on a board cell, the mouse's or a key's, as the game takes it.
  virtual void CellClicking() {}
  virtual void CellClicked() {}
  // The game switched an animation timer on or off.
  virtual void TimerSwitched(TAnimationTimer, bool) {}
  // A move's turn has ended and the game rests (the board may be full).
  virtual void TurnFinished() {}
  // New or the Options dialog asked for a new game; it starts now or once the running turn ends.
  virtual void NewGameAsked(TNewGameCause) {}
  // A new game is about to take the board; the game before it can still be read whole.
  virtual void NewGameStarting() {}
  // The running game's score is about to be offered to the top ten (its record dialogs may follow).
  virtual void ScoreOffering() {}
  // Asked as the window closes: whether this extra keeps the running game for the next start, in
  // which case its score is not offered now.
  virtual bool KeepsGameOnClose() const { return false; }
  // The window closes; `gameEnds` unless an extra keeps the game. Nothing is put off after this.
  virtual void WindowClosing(bool /*gameEnds*/) {}

  // IBoardView, after the window has drawn.
  void DrawSprite(int, TSpriteSet, int, BallCode) override {}
  void ClearCell(int) override {}
  void CopyCell(int, int) override {}
  void ShowScore(std::uint16_t) override {}
  void ShowBest(std::uint16_t) override {}
  void ClearNextBall(int) override {}
  void ShowNextBall(int, BallCode) override {}
  void ArrangePreview(int) override {}
  void SetNewEnabled(bool) override {}
};
