// The keyboard's cursor: a frame over one board cell, see-through to clicks.
#pragma once

#include <QWidget>

class TBoardCursor : public QWidget {
public:
  explicit TBoardCursor(QWidget* board);

protected:
  void paintEvent(QPaintEvent* event) override;
};
