// Playing from the keyboard: a cursor on the board moved by the arrows, Space and Enter to click the
// cell under it, Escape to put the picked ball down, and the Menu key. It gives way to the mouse.
#pragma once

#include <QObject>

class TBoardCursor;
class TfrmLines;
class TWindowMenu;

class TKeyboardPlay : public QObject {
public:
  TKeyboardPlay(TfrmLines& window, TWindowMenu& menu);

  // The cell the cursor frames, 0 while it is hidden.
  int Cell() const { return CursorCell; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Whether the key was one of the board's.
  bool TakeKey(int key);
  void MoveCursor(int columns, int rows);
  void HideCursor();

  TfrmLines& Window;
  TWindowMenu& Menu;
  TBoardCursor* Cursor;
  int CursorCell = 0;
};
