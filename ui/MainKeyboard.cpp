// Playing from the keyboard: the cursor on the board, its keys, and giving way to the mouse.
#include <QKeyEvent>

#include "Bevels.h"
#include "BoardCursor.h"
#include "GameKeeper.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "WindowZoom.h"

namespace {

constexpr int CentreCell = 41;

bool IsModifier(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr;
}

}  // namespace

void TfrmLines::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Menu) {
    const QWidget* place = CursorCell != 0 ? static_cast<QWidget*>(CellPanels[CursorCell - 1]) : this;
    PopUpMenu(place->mapToGlobal(place->rect().center()));
    return;
  }
  // The start picture takes no keys: the first game starts with its click.
  if (!GameKeeper || !panTabla->isVisible()) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!IsModifier(key)) DismissSigns();
  switch (key) {
    case Qt::Key_Left: MoveCursor(-1, 0); break;
    case Qt::Key_Right: MoveCursor(1, 0); break;
    case Qt::Key_Up: MoveCursor(0, -1); break;
    case Qt::Key_Down: MoveCursor(0, 1); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A hidden cursor is shown first: a key never acts on a cell the player cannot see.
      if (CursorCell == 0) MoveCursor(0, 0);
      else BoardClick(CursorCell);
      break;
    case Qt::Key_Escape: GameKeeper->Game().DeselectBall(); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void TfrmLines::MoveCursor(int columns, int rows) {
  if (CursorCell == 0) {
    // It comes back where the player is most likely to act: on the picked ball, else mid-board.
    const int selected = GameKeeper->Game().Fields().SelectedCell;
    CursorCell = selected != 0 ? selected : CentreCell;
  } else {
    // It stops at the edges rather than jumping to the other side.
    const int column = std::clamp((CursorCell - 1) % BoardSide + columns, 0, BoardSide - 1);
    const int row = std::clamp((CursorCell - 1) / BoardSide + rows, 0, BoardSide - 1);
    CursorCell = row * BoardSide + column + 1;
  }
  PlaceClassic(*BoardCursor, ClassicPlace(*CellPanels[CursorCell - 1]));
  BoardCursor->show();
}

void TfrmLines::HideCursor() {
  CursorCell = 0;
  BoardCursor->hide();
}

bool TfrmLines::eventFilter(QObject* watched, QEvent* event) {
  // Watches the board and its cells: a press there, of any button, hands the board to the mouse.
  if (event->type() == QEvent::MouseButtonPress) {
    HideCursor();
    DismissSigns();
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmLines::mousePressEvent(QMouseEvent* event) {
  DismissSigns();
  QWidget::mousePressEvent(event);
}

void TfrmLines::TakeKeyboard() {
  activateWindow();
  setFocus(Qt::OtherFocusReason);
}
