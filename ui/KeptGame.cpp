// Taking moves back, and the running game kept in Game.sav.
#include "KeptGame.h"

#include <QLabel>

#include "ErrorBox.h"
#include "GameFile.h"
#include "GameKeeper.h"
#include "GameLock.h"
#include "GameSettings.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "PlayerInput.h"
#include "PlayerMessages.h"
#include "Preferences.h"
#include "UndoMark.h"
#include "WindowZoom.h"

TKeptGame::TKeptGame(TfrmLines& window, TMainMenu& menu, const TPreferences& preferences, std::string dataDirectory)
    : QObject(&window),
      Window(window),
      Menu(menu),
      Preferences(preferences),
      DataDirectory(std::move(dataDirectory)),
      UndoMarkDisplay(new TUndoMark(&window)),
      labResumed(new QLabel(TfrmLines::tr("Your last game goes on where it stopped."), &window)),
      GameLock(std::make_unique<TGameLock>(DataDirectory)),
      GameKept(GameLock->Held()) {
  // Beside the score display, in the free corner above the buttons.
  PlaceClassic(*UndoMarkDisplay, QRect(373, 33, 25, 25));
  // In the gap between the displays and the board, so that the board stays in view.
  labResumed->setObjectName(QStringLiteral("labResumed"));
  PlaceClassic(*labResumed, QRect(10, 60, 360, 15));
  labResumed->setAlignment(Qt::AlignCenter);
  labResumed->hide();
  new TPlayerInputWatch(window, *window.Board(), [this] { labResumed->hide(); });
  connect(Menu.Undo, &QAction::triggered, this, [this] { UndoMove(); });
}

TKeptGame::~TKeptGame() = default;

const QWidget& TKeptGame::UndoMark() const { return *UndoMarkDisplay; }

void TKeptGame::GameCreated() { GameKeeper = std::make_unique<TGameKeeper>(*Window.Game()); }

void TKeptGame::CellClicking() { GameKeeper->ClickStarting(); }

void TKeptGame::CellClicked() {
  GameKeeper->ClickEnded();
  UpdateUndoAction();
}

void TKeptGame::TimerSwitched(TAnimationTimer, bool) {
  // A move or a new game starting is no moment to take a move back.
  UpdateUndoAction();
}

void TKeptGame::TurnFinished() {
  KeepRunningGame();
  UpdateUndoAction();
}

void TKeptGame::NewGameAsked(TNewGameCause) { ForgetKeptGame(); }

void TKeptGame::ScoreOffering() {
  // Removed before the record dialogs: a game killed during them must not come back to be offered again.
  ForgetKeptGame();
}

void TKeptGame::ShowScore(std::uint16_t) { UndoMarkDisplay->setVisible(Window.Variables().UndoUsed != 0); }

void TKeptGame::UpdateUndoAction() {
  Menu.Undo->setEnabled(!Window.IsClosing() && GameKeeper && GameKeeper->CanUndo());
}

void TKeptGame::UndoMove() {
  labResumed->hide();
  if (!GameKeeper || !GameKeeper->Undo()) return;
  KeepRunningGame();
  UpdateUndoAction();
}

bool TKeptGame::TakeFirstGame() {
  if (!GameKept) return false;
  std::optional<TSavedGame> record;
  try {
    record = LoadGame(DataDirectory);
  } catch (const EDamagedGame& damage) {
    Window.Warn(PlayerMessage(damage.what()));
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
  labResumed->show();
  UpdateUndoAction();
  return true;
}

void TKeptGame::KeepRunningGame() {
  const TGame& game = *Window.Game();
  if (!GameKept || !game.Resting()) return;
  const bool over = CountEmptyCells(game.Fields().Board) == 0;
  const bool untouched = game.GameStatistics().Moves == 0 && Window.Variables().UndoUsed == 0;
  if (over || untouched) ForgetKeptGame();
  else SaveRunningGame();
}

void TKeptGame::SaveRunningGame() {
  RunReportingErrors([this] { SaveGame(DataDirectory, GameKeeper->Saved()); });
}

void TKeptGame::ForgetKeptGame() {
  // Before the first game the file holds the game of an earlier run, still waiting to be taken up.
  if (!GameKept || Window.StartScreenShown()) return;
  RemoveGame(DataDirectory);
}

bool TKeptGame::KeepsGameOnClose() const {
  if (!GameKept || !GameKeeper || Window.StartScreenShown() || !Preferences.Get(KeepGameOnExit)) return false;
  // A full board has ended its game: the classic close flow is all that is left to do.
  return CountEmptyCells(Window.Game()->Fields().Board) != 0;
}

void TKeptGame::WindowClosing(bool gameEnds) {
  UpdateUndoAction();
  if (gameEnds) {
    ForgetKeptGame();
    GameKept = false;
  } else if (Window.Game()->Resting()) {
    // Kept now, or by the running turn as it unwinds; its score and its record wait for the game's end.
    SaveRunningGame();
  }
}
