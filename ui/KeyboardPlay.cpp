// The keyboard's cursor and keys, watched on the window and its board.
#include "KeyboardPlay.h"

#include <QKeyEvent>

#include <algorithm>

#include "Bevels.h"
#include "BoardCursor.h"
#include "Game.h"
#include "ImageControl.h"
#include "MainWindow.h"
#include "WindowMenu.h"
#include "WindowZoom.h"

namespace {

constexpr int CentreCell = 41;

}  // namespace

TKeyboardPlay::TKeyboardPlay(TfrmLines& window, TWindowMenu& menu)
    : QObject(&window), Window(window), Menu(menu), Cursor(new TBoardCursor(window.Board())) {
  window.installEventFilter(this);
  // A press there, of any button, hands the board to the mouse.
  window.Board()->installEventFilter(this);
  for (int cell = 1; cell <= CellCount; ++cell) {
    window.CellPanel(cell)->installEventFilter(this);
    window.CellImage(cell)->installEventFilter(this);
  }
}

bool TKeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched != &Window) HideCursor();
  // Only what the window itself is given: a key a child lets pass comes here once more.
  if (event->type() == QEvent::KeyPress && watched == &Window && TakeKey(static_cast<QKeyEvent*>(event)->key()))
    return true;
  return QObject::eventFilter(watched, event);
}

bool TKeyboardPlay::TakeKey(int key) {
  if (key == Qt::Key_Menu) {
    const QWidget* place = CursorCell != 0 ? static_cast<QWidget*>(Window.CellPanel(CursorCell)) : &Window;
    Menu.PopUpAt(place->mapToGlobal(place->rect().center()));
    return true;
  }
  // The start picture takes no keys: the first game starts with its click.
  if (Window.Game() == nullptr || !Window.Board()->isVisible()) return false;
  switch (key) {
    case Qt::Key_Left: MoveCursor(-1, 0); return true;
    case Qt::Key_Right: MoveCursor(1, 0); return true;
    case Qt::Key_Up: MoveCursor(0, -1); return true;
    case Qt::Key_Down: MoveCursor(0, 1); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A hidden cursor is shown first: a key never acts on a cell the player cannot see.
      if (CursorCell == 0) MoveCursor(0, 0);
      else Window.CellClick(CursorCell);
      return true;
    case Qt::Key_Escape: Window.Game()->DeselectBall(); return true;
    default: return false;
  }
}

void TKeyboardPlay::MoveCursor(int columns, int rows) {
  if (CursorCell == 0) {
    // It comes back where the player is most likely to act: on the picked ball, else mid-board.
    const int selected = Window.Game()->Fields().SelectedCell;
    CursorCell = selected != 0 ? selected : CentreCell;
  } else {
    // It stops at the edges rather than jumping to the other side.
    const int column = std::clamp((CursorCell - 1) % BoardSide + columns, 0, BoardSide - 1);
    const int row = std::clamp((CursorCell - 1) / BoardSide + rows, 0, BoardSide - 1);
    CursorCell = row * BoardSide + column + 1;
  }
  PlaceClassic(*Cursor, ClassicPlace(*Window.CellPanel(CursorCell)));
  Cursor->show();
}

void TKeyboardPlay::HideCursor() {
  CursorCell = 0;
  Cursor->hide();
}
