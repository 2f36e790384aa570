// The undo mark's arrow, drawn in the light blue of the score's digits at any pixel ratio.
#include "UndoMark.h"

#include <QPainter>
#include <QPainterPath>

TUndoMark::TUndoMark(QWidget* window) : TBevelPanel(window, TBevelCut::Lowered, TBevelCut::Lowered, Qt::black) {
  setObjectName(QStringLiteral("UndoMark"));
  setToolTip(tr("A move of this game was taken back, so its score does not go to the top ten"));
  hide();
}

void TUndoMark::paintEvent(QPaintEvent* event) {
  TBevelPanel::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor blue(128, 128, 255);
  // Drawn on a grid of 20 units over the area inside the bevels.
  const QRectF inside = ClientArea();
  const qreal unit = inside.width() / 20.0;
  const auto at = [&](qreal x, qreal y) { return inside.topLeft() + QPointF(x * unit, y * unit); };
  // From the lower right up, over and back to the left, where the head points.
  QPainterPath hook;
  hook.moveTo(at(13, 16));
  hook.cubicTo(at(17, 13), at(17, 6), at(11, 6));
  hook.lineTo(at(8, 6));
  painter.setPen(QPen(blue, 2.4 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(hook);
  QPainterPath head;
  head.moveTo(at(3, 6));
  head.lineTo(at(9, 1.5));
  head.lineTo(at(9, 10.5));
  head.closeSubpath();
  painter.fillPath(head, blue);
}
