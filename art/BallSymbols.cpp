// Symbol outlines in unit-sphere coordinates, kept within 0.6 of the centre so that they stay on the lit
// face of the ball in every pose and follow its squash and stretch.
#include "BallSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cassert>
#include <cmath>

#include "BallArt.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

QPainterPath Disc(double x, double y, double radius) {
  QPainterPath disc;
  disc.addEllipse(QPointF(x, y), radius, radius);
  return disc;
}

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  path.addPolygon(QPolygonF(corners));
  path.closeSubpath();
  return path;
}

QPainterPath Ring() { return Disc(0, 0, 0.5).subtracted(Disc(0, 0, 0.26)); }

QPainterPath Triangle() {
  QPolygonF corners;
  for (int i = 0; i < 3; ++i) {
    const double angle = -Pi / 2 + i * 2 * Pi / 3;
    corners << QPointF(0.62 * std::cos(angle), 0.1 + 0.62 * std::sin(angle));
  }
  QPainterPath path;
  path.addPolygon(corners);
  path.closeSubpath();
  return path;
}

QPainterPath Square() {
  QPainterPath path;
  path.addRect(QRectF(-0.37, -0.37, 0.74, 0.74));
  return path;
}

QPainterPath Diamond() { return Polygon({{0, -0.58}, {0.5, 0}, {0, 0.58}, {-0.5, 0}}); }

QPainterPath Cross() {
  QPainterPath path;
  path.addRect(QRectF(-0.16, -0.54, 0.32, 1.08));
  path.addRect(QRectF(-0.54, -0.16, 1.08, 0.32));
  return path.simplified();
}

QPainterPath Heart() {
  return Disc(-0.23, -0.15, 0.27)
      .united(Disc(0.23, -0.15, 0.27))
      .united(Polygon({{-0.475, -0.04}, {0.475, -0.04}, {0, 0.52}}));
}

QPainterPath Crescent() { return Disc(-0.05, 0, 0.54).subtracted(Disc(0.2, -0.14, 0.43)); }

QPainterPath Shape(int code) {
  switch (code) {
    case 1: return Ring();
    case 2: return Triangle();
    case 3: return Square();
    case 4: return Diamond();
    case 5: return Cross();
    case 6: return Heart();
    default: return Crescent();
  }
}

}  // namespace

void PaintBallSymbol(QPainter& painter, int code) {
  assert(code >= 1 && code <= 7);
  const QColor body = BallColour(code);
  // Dark ink on the light bodies and light ink on the dark ones, each rimmed with the other, so the shape
  // keeps its contrast whichever colours a player cannot tell apart.
  const bool lightBody = qGray(body.rgb()) >= 128;
  const QColor dark = MixColour(body, Qt::black, 0.82);
  const QColor light = MixColour(body, Qt::white, 0.88);
  painter.save();
  painter.setPen(QPen(lightBody ? light : dark, 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(lightBody ? dark : light);
  painter.drawPath(Shape(code));
  painter.restore();
}
