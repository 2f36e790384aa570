// The extras around the classic window: the context menu, the Keys window, the game-over sign, the
// undo mark, the resume notice and the preferences behind them.
#include <QContextMenuEvent>
#include <QLabel>

#include "Bevels.h"
#include "BoardCursor.h"
#include "ErrorBox.h"
#include "FlatButton.h"
#include "GameKeeper.h"
#include "GameOverBoard.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "UndoMark.h"

void TfrmLines::CreateExtras() {
  // Created after the cells, so both lie above them; the sign above the cursor.
  BoardCursor = new TBoardCursor(panTabla);
  GameOverBoard = new TGameOverBoard(panTabla);
  panTabla->installEventFilter(this);
  for (int n = 1; n <= 81; ++n) {
    CellPanels[n - 1]->installEventFilter(this);
    CellImages[n - 1]->installEventFilter(this);
  }

  // Beside the score display, in the free corner above the buttons.
  UndoMarkDisplay = new TUndoMark(this);
  UndoMarkDisplay->setGeometry(373, 33, 25, 25);
  // In the gap between the displays and the board, so that the board stays in view.
  labResumed = new QLabel(tr("Your last game goes on where it stopped."), this);
  labResumed->setObjectName(QStringLiteral("labResumed"));
  labResumed->setGeometry(10, 60, 360, 15);
  labResumed->setAlignment(Qt::AlignCenter);
  labResumed->hide();

  Menu = new TMainMenu(*this);
  Menu->KeepGameOnExit->setChecked(Preferences.Get(KeepGameOnExit));
  connect(Menu->KeepGameOnExit, &QAction::toggled, this,
          [this](bool keep) { RunReportingErrors([&] { Preferences.Set(KeepGameOnExit, keep); }); });
  connect(Menu->Keys, &QAction::triggered, this, [this] { ShowKeys(); });
  CreateHistory();
  ConnectChoices();
  connect(Menu->Undo, &QAction::triggered, this, [this] { UndoMove(); });
}

void TfrmLines::contextMenuEvent(QContextMenuEvent* event) {
  // The Menu key is taken as a key press. A right click on the board keeps the nothing it has
  // always done, so a player who right-clicks to let go of a ball is not met by a menu.
  const bool onBoard = panTabla->isVisible() && panTabla->geometry().contains(event->pos());
  if (event->reason() != QContextMenuEvent::Mouse || onBoard) {
    event->ignore();
    return;
  }
  PopUpMenu(event->globalPos());
}

void TfrmLines::PopUpMenu(const QPoint& globalPosition) { Menu->popup(globalPosition); }

void TfrmLines::ShowKeys() {
  if (Keys == nullptr) {
    Keys = new TfrmKeys(this, KeyRows());
    connect(Keys, &QDialog::finished, this, [this] { TakeKeyboard(); });
  }
  Keys->open();
}

TKeyRows TfrmLines::KeyRows() const {
  TKeyRows rows = {
      {tr("Arrow keys"), tr("Show the cursor on the board and move it")},
      {tr("Space, Enter"), tr("Click the cell under the cursor")},
      {tr("Escape"), tr("Put the picked ball down")},
  };
  const auto keysOf = [](const QList<QAction*>& actions) {
    QStringList keys;
    for (const QAction* action : actions)
      for (const QKeySequence& sequence : action->shortcuts()) keys << sequence.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
  };
  rows.emplace_back(keysOf({Menu->Undo}), tr("Take back the last move"));
  rows.emplace_back(keysOf({Menu->ZoomIn, Menu->ZoomOut, Menu->ActualSize}),
                    tr("A larger or smaller window, or the classic size"));
  rows.emplace_back(keysOf({Menu->PreferencesItem}), tr("The Preferences dialog"));
  for (const TFlatButton* button : {btnNew, btnTop10, btnSettings, btnAbout, btnHelp, btnExit}) {
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    rows.emplace_back(QKeySequence::mnemonic(button->text()).toString(QKeySequence::NativeText),
                      //: A row of the Keys window; %1 is a button's caption, such as "New" or "Top 10".
                      tr("The %1 button").arg(caption));
  }
  rows.emplace_back(Menu->Statistics->shortcut().toString(QKeySequence::NativeText), tr("The Statistics window"));
  rows.emplace_back(tr("Menu key"), tr("This menu; also a right click beside the board"));
  return rows;
}

void TfrmLines::ShowGameOverWhenFull() {
  const TGame& game = GameKeeper->Game();
  if (Closing || game.TurnWaiting() || CountEmptyCells(game.Fields().Board) != 0) return;
  GameOverBoard->Show(GameVariables.Score);
}

void TfrmLines::DismissSigns() {
  GameOverBoard->hide();
  labResumed->hide();
}
