// The kept game's room: moves taken back (the Undo item and the mark beside the score), and the
// running game kept in Game.sav, saved after every turn, taken up again at the next start with the
// line that says so, and removed when the game ends. Only the first copy of the program on a data
// folder keeps games: it holds Game.lock there for as long as it runs.
#pragma once

#include <QObject>

#include <memory>
#include <string>

#include "LinesExtra.h"

class QLabel;
class QWidget;
class TfrmLines;
class TGameKeeper;
class TGameLock;
class TMainMenu;
class TPreferences;
class TUndoMark;

class TKeptGame : public QObject, public TLinesExtra {
public:
  TKeptGame(TfrmLines& window, TMainMenu& menu, const TPreferences& preferences, std::string dataDirectory);
  ~TKeptGame() override;

  // The game's undo history; exists from the window's first show.
  TGameKeeper* Keeper() const { return GameKeeper.get(); }
  // Whether this copy keeps its running game in Game.sav.
  bool KeepsGames() const { return GameKept; }
  const QWidget& UndoMark() const;
  // The line under the score displays that says a kept game has been taken up again.
  const QLabel& ResumeNotice() const { return *labResumed; }

  void GameCreated() override;
  bool TakeFirstGame() override;
  void CellClicking() override;
  void CellClicked() override;
  void TimerSwitched(TAnimationTimer timer, bool enabled) override;
  void TurnFinished() override;
  void NewGameAsked(TNewGameCause cause) override;
  void ScoreOffering() override;
  bool KeepsGameOnClose() const override;
  void WindowClosing(bool gameEnds) override;
  // Every new game, restored game and taken-back move shows its score, so the mark follows the game.
  void ShowScore(std::uint16_t score) override;

private:
  void UndoMove();
  void UpdateUndoAction();
  void KeepRunningGame();
  void SaveRunningGame();
  void ForgetKeptGame();

  TfrmLines& Window;
  TMainMenu& Menu;
  const TPreferences& Preferences;
  std::string DataDirectory;
  TUndoMark* UndoMarkDisplay;
  QLabel* labResumed;
  std::unique_ptr<TGameKeeper> GameKeeper;
  // Claimed at creation; while it is held the running game is saved after every turn. A close that
  // ends the game lets the game go (nothing more is saved), one that keeps it does not.
  std::unique_ptr<TGameLock> GameLock;
  bool GameKept = false;
};
