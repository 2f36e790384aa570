// When the game-over sign shows and when it goes.
#include "GameOverNotice.h"

#include "Bevels.h"
#include "Game.h"
#include "GameOverBoard.h"
#include "MainWindow.h"
#include "PlayerInput.h"

TGameOverNotice::TGameOverNotice(TfrmLines& window)
    : QObject(&window), Window(window), Board(new TGameOverBoard(window.Board())) {
  new TPlayerInputWatch(window, *window.Board(), [this] { Board->hide(); });
}

void TGameOverNotice::TurnFinished() {
  // The turn that filled the board has offered its score, record dialogs included, by now; a turn
  // finishing inside another's wait leaves the sign to the outer one.
  const TGame& game = *Window.Game();
  if (Window.IsClosing() || game.TurnWaiting() || CountEmptyCells(game.Fields().Board) != 0) return;
  Board->Show(Window.Variables().Score);
}

void TGameOverNotice::ClearCell(int) { Board->hide(); }
