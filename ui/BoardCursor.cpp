// The cursor's frame: white between two black lines, so that one of them stands out on the black
// cell and on a ball of any colour.
#include "BoardCursor.h"

#include <QPainter>
#include <QPainterPath>

#include "WindowZoom.h"


TBoardCursor::TBoardCursor(QWidget* board) : QWidget(board) {
  setObjectName(QStringLiteral("BoardCursor"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TBoardCursor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The frame lies on the cell's picture, inside the two bevels of its panel, and thickens with them.
  const int line = BevelWidth(WindowZoom(*this));
  const int bevels = 2 * line;
  const QRect picture = rect().adjusted(bevels, bevels, -bevels, -bevels);
  // Outlines drawn as filled rings, which land on whole pixels at any pixel ratio.
  const auto ring = [&painter](const QRect& outer, int width, const QColor& colour) {
    QPainterPath path;
    path.addRect(outer);
    path.addRect(outer.adjusted(width, width, -width, -width));
    painter.fillPath(path, colour);
  };
  ring(picture, line, Qt::black);
  ring(picture.adjusted(line, line, -line, -line), 2 * line, Qt::white);
  ring(picture.adjusted(3 * line, 3 * line, -3 * line, -3 * line), line, Qt::black);
}
