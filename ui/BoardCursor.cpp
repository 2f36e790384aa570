// The cursor's frame: white between two black lines, so that one of them stands out on the black
// cell and on a ball of any colour.
#include "BoardCursor.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The frame lies on the cell's picture, inside the two one-pixel bevels of its panel.
constexpr int BevelWidth = 2;

}  // namespace

TBoardCursor::TBoardCursor(QWidget* board) : QWidget(board) {
  setObjectName(QStringLiteral("BoardCursor"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TBoardCursor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect picture = rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
  // Outlines drawn as filled rings, which land on whole pixels at any pixel ratio.
  const auto ring = [&painter](const QRect& outer, int width, const QColor& colour) {
    QPainterPath path;
    path.addRect(outer);
    path.addRect(outer.adjusted(width, width, -width, -width));
    painter.fillPath(path, colour);
  };
  ring(picture, 1, Qt::black);
  ring(picture.adjusted(1, 1, -1, -1), 2, Qt::white);
  ring(picture.adjusted(3, 3, -3, -3), 1, Qt::black);
}
