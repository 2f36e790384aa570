// Symbol outlines in unit-sphere coordinates, kept within 0.7 of the centre so that they stay on the lit
// face of the ball in every pose and follow its squash and stretch.
#include "BallSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cassert>
#include <cmath>
#include <numbers>

#include "BallArt.h"

namespace {

// The shapes are built in hundredths of the sphere's radius and scaled down at the end: the set operations
// flatten curves to a fixed tolerance, too coarse for a unit circle.
constexpr double Hundredth = 0.01;

QPainterPath Disc(double x, double y, double radius) {
  QPainterPath disc;
  disc.addEllipse(QPointF(x, y), radius, radius);
  return disc;
}

QPainterPath Polygon(const QPolygonF& corners) {
  QPainterPath path;
  path.addPolygon(corners);
  path.closeSubpath();
  return path;
}

QPainterPath Ring() { return Disc(0, 0, 50).subtracted(Disc(0, 0, 26)); }

QPainterPath Triangle() {
  QPolygonF corners;
  for (int i = 0; i < 3; ++i) {
    const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 3;
    corners << QPointF(62 * std::cos(angle), 10 + 62 * std::sin(angle));
  }
  return Polygon(corners);
}

QPainterPath Square() { return Polygon(QPolygonF(QRectF(-37, -37, 74, 74))); }

QPainterPath Diamond() { return Polygon({{0, -64}, {40, 0}, {0, 64}, {-40, 0}}); }

QPainterPath Cross() {
  constexpr double Arm = 16, Reach = 54;
  return Polygon({{-Arm, -Reach}, {Arm, -Reach}, {Arm, -Arm}, {Reach, -Arm}, {Reach, Arm}, {Arm, Arm},
                  {Arm, Reach}, {-Arm, Reach}, {-Arm, Arm}, {-Reach, Arm}, {-Reach, -Arm}, {-Arm, -Arm}});
}

QPainterPath Heart() {
  return Disc(-26, -14, 28).united(Disc(26, -14, 28)).united(Polygon({{-52, -2}, {52, -2}, {0, 50}}));
}

QPainterPath Crescent() { return Disc(-5, 0, 54).subtracted(Disc(20, -14, 43)); }

QPainterPath HundredthsShape(int code) {
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

QPainterPath Shape(int code) { return QTransform::fromScale(Hundredth, Hundredth).map(HundredthsShape(code)); }

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
