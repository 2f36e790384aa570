// Taking moves back, and the running game kept in Game.sav: saved after every turn, taken up again at
// the next start, removed when the game ends.
#include <QLabel>

#include "ErrorBox.h"
#include "GameFile.h"
#include "GameKeeper.h"
#include "GameLock.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "PlayerMessages.h"
#include "UndoMark.h"

TGame* TfrmLines::Game() const { return GameKeeper ? &GameKeeper->Game() : nullptr; }

bool TfrmLines::KeepsGames() const { return GameKept; }

const QWidget& TfrmLines::UndoMark() const { return *UndoMarkDisplay; }

void TfrmLines::BoardClick(int cell) {
  GameKeeper->PanelClick(cell);
  UpdateUndoAction();
}

void TfrmLines::TurnFinished() {
  RecordFullBoard();
  KeepRunningGame();
  UpdateUndoAction();
}

void TfrmLines::UpdateUndoAction() {
  Menu->Undo->setEnabled(!Closing && GameKeeper && GameKeeper->CanUndo());
}

void TfrmLines::UndoMove() {
  DismissSigns();
  if (!GameKeeper->Undo()) return;
  KeepRunningGame();
  UpdateUndoAction();
}

bool TfrmLines::ResumeKeptGame() {
  if (!GameKept) return false;
  std::optional<TSavedGame> record;
  try {
    record = LoadGame(Services.DataDirectory);
  } catch (const EDamagedGame& damage) {
    Services.Warn(this, tr("Warning"), PlayerMessage(damage.what()));
    return false;
  } catch (const std::exception& error) {
    // A file that could not even be looked at may still hold a game: this run leaves it alone.
    GameKept = false;
    ShowErrorBox(error);
    return false;
  }
  if (!record) return false;
  // The settings in memory follow the game taken up, so that its score enters its own level's list
  // and the settings dialog shows what is being played; Balls.cfg changes only when the player
  // confirms that dialog.
  GameSettings.Level = record->Current.Level;
  GameSettings.Jokers = record->Current.GameJokers;
  GameSettings.Bombs = record->Current.GameBombs;
  GameKeeper->Resume(*record);
  // Its record starts again here: the file keeps no start time.
  Recorder.GameStarted();
  labResumed->show();
  return true;
}

void TfrmLines::KeepRunningGame() {
  if (!GameKept || !GameKeeper->Game().Resting()) return;
  const TGame& game = GameKeeper->Game();
  const bool over = CountEmptyCells(game.Fields().Board) == 0;
  const bool untouched = game.GameStatistics().Moves == 0 && GameVariables.UndoUsed == 0;
  if (over || untouched) ForgetKeptGame();
  else SaveRunningGame();
}

void TfrmLines::SaveRunningGame() {
  RunReportingErrors([this] { SaveGame(Services.DataDirectory, GameKeeper->Saved()); });
}

void TfrmLines::ForgetKeptGame() {
  // Before the first game the file holds the game of an earlier run, still waiting to be taken up.
  if (!GameKept || imgBackground->isVisibleTo(this)) return;
  RemoveGame(Services.DataDirectory);
}

bool TfrmLines::KeepGameOnClose() const {
  if (!GameKept || !GameKeeper || imgBackground->isVisibleTo(this) || !Preferences.Get(KeepGameOnExit)) return false;
  // A full board has ended its game: the classic close flow is all that is left to do.
  return CountEmptyCells(GameKeeper->Game().Fields().Board) != 0;
}
