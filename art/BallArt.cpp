// Paints the balls with gradients in a unit-sphere coordinate system, so one routine serves every size and squash.
#include "BallArt.h"

#include "BallSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QLinearGradient>
#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace {

// Hue and lightness both differ between neighbours in this list, so the colours stay apart without colour vision.
const std::array<QColor, 8> BodyColours = {
    QColor(0, 0, 0),        // unused: code 0 has no ball
    QColor(206, 208, 216),  // grey: light silver
    QColor(232, 40, 40),    // red: vivid, medium
    QColor(108, 62, 28),    // brown: the darkest, warm
    QColor(40, 88, 228),    // blue: deep
    QColor(252, 214, 36),   // yellow: the brightest
    QColor(226, 84, 226),   // magenta: light
    QColor(72, 198, 86),    // green: fresh, fairly light
};

QColor WithAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

const QRectF UnitCircle(-1, -1, 2, 2);

void PaintShadedBody(QPainter& painter, const QColor& body) {
  QRadialGradient light(QPointF(0, 0), 1.0, QPointF(-0.38, -0.42));
  light.setColorAt(0.0, MixColour(body, Qt::white, 0.55));
  light.setColorAt(0.35, body);
  light.setColorAt(0.8, MixColour(body, Qt::black, 0.45));
  light.setColorAt(1.0, MixColour(body, Qt::black, 0.75));
  painter.setPen(Qt::NoPen);
  painter.setBrush(light);
  painter.drawEllipse(UnitCircle);
}

// A faint light bounced from below, which makes the ball read as round rather than as a disc.
void PaintRimLight(QPainter& painter, const QColor& body) {
  QRadialGradient bounce(QPointF(0.15, 1.05), 0.8);
  bounce.setColorAt(0.0, WithAlpha(MixColour(body, Qt::white, 0.35), 150));
  bounce.setColorAt(1.0, WithAlpha(body, 0));
  painter.setBrush(bounce);
  painter.drawEllipse(UnitCircle);
}

void PaintGloss(QPainter& painter) {
  painter.save();
  painter.translate(-0.36, -0.44);
  painter.rotate(-35);
  QRadialGradient gloss(QPointF(0, 0), 0.42);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 235));
  gloss.setColorAt(0.55, QColor(255, 255, 255, 110));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.setBrush(gloss);
  painter.drawEllipse(QRectF(-0.42, -0.26, 0.84, 0.52));
  painter.restore();
  painter.setBrush(QColor(255, 255, 255, 245));
  painter.drawEllipse(QRectF(-0.5, -0.55, 0.16, 0.13));
}

// Darkens the sphere's edge over a flat-coloured body (the joker's bands).
void PaintEdgeShade(QPainter& painter) {
  QRadialGradient shade(QPointF(0, 0), 1.0, QPointF(-0.3, -0.35));
  shade.setColorAt(0.0, QColor(255, 255, 255, 70));
  shade.setColorAt(0.5, QColor(0, 0, 0, 0));
  shade.setColorAt(0.85, QColor(0, 0, 0, 110));
  shade.setColorAt(1.0, QColor(0, 0, 0, 200));
  painter.setBrush(shade);
  painter.drawEllipse(UnitCircle);
}

QPolygonF Star(QPointF centre, double outer, double inner, int points) {
  QPolygonF star;
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
    const double radius = i % 2 == 0 ? outer : inner;
    star << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
  }
  return star;
}

void PaintJokerBody(QPainter& painter) {
  static const std::array<QColor, 6> Bands = {QColor(230, 40, 40),  QColor(250, 150, 30), QColor(250, 230, 40),
                                              QColor(50, 190, 70),  QColor(40, 110, 235), QColor(150, 60, 210)};
  QLinearGradient rainbow(QPointF(-0.9, -0.9), QPointF(0.9, 0.9));
  for (std::size_t i = 0; i < Bands.size(); ++i) {
    const double from = static_cast<double>(i) / Bands.size();
    const double to = static_cast<double>(i + 1) / Bands.size();
    rainbow.setColorAt(from + 0.01, Bands[i]);
    rainbow.setColorAt(to - 0.01, Bands[i]);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(rainbow);
  painter.drawEllipse(UnitCircle);
  PaintEdgeShade(painter);
  painter.setPen(QPen(QColor(60, 40, 0, 220), 0.07));
  painter.setBrush(QColor(255, 255, 245));
  painter.drawPolygon(Star(QPointF(0.04, 0.06), 0.52, 0.22, 5));
  painter.setPen(Qt::NoPen);
}

void PaintFuse(QPainter& painter) {
  painter.save();
  painter.translate(0.62, -0.62);
  painter.rotate(45);
  painter.setPen(QPen(QColor(30, 30, 34), 0.05));
  QLinearGradient metal(QPointF(-0.22, 0), QPointF(0.22, 0));
  metal.setColorAt(0.0, QColor(90, 90, 100));
  metal.setColorAt(0.4, QColor(200, 200, 210));
  metal.setColorAt(1.0, QColor(70, 70, 78));
  painter.setBrush(metal);
  painter.drawRect(QRectF(-0.24, -0.2, 0.48, 0.28));
  painter.restore();

  QPainterPath cord(QPointF(0.8, -0.8));
  cord.cubicTo(QPointF(0.95, -1.05), QPointF(1.2, -0.95), QPointF(1.22, -1.22));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(196, 170, 120), 0.11, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(cord);

  const QPointF spark(1.24, -1.26);
  QRadialGradient glow(spark, 0.3);
  glow.setColorAt(0.0, QColor(255, 255, 200, 255));
  glow.setColorAt(0.4, QColor(255, 170, 40, 200));
  glow.setColorAt(1.0, QColor(255, 80, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(spark, 0.3, 0.3);
  painter.setBrush(QColor(255, 250, 210));
  painter.drawPolygon(Star(spark, 0.22, 0.07, 4));
}

}  // namespace

QColor MixColour(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                          static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void EnterUnitSphere(QPainter& painter, const QRectF& box) {
  painter.translate(box.center());
  painter.scale(box.width() / 2.0, box.height() / 2.0);
}

void PaintSphereLighting(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  PaintEdgeShade(painter);
  PaintGloss(painter);
}

QColor BallColour(int code) {
  assert(code >= 1 && code <= 7);
  return BodyColours[static_cast<std::size_t>(code)];
}

void PaintBall(QPainter& painter, int code, const QRectF& box, TBallMarking marking) {
  assert(code >= 1 && code <= 9);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  if (code == 9) {
    // The body leaves the box's top-right corner to the fuse.
    const QRectF body(box.x(), box.y() + box.height() * 0.12, box.width() * 0.88, box.height() * 0.88);
    EnterUnitSphere(painter, body);
    const QColor charcoal(52, 54, 66);
    PaintShadedBody(painter, charcoal);
    PaintRimLight(painter, QColor(90, 100, 130));
    PaintGloss(painter);
    PaintFuse(painter);
  } else if (code == 8) {
    EnterUnitSphere(painter, box);
    PaintJokerBody(painter);
    PaintGloss(painter);
  } else {
    EnterUnitSphere(painter, box);
    const QColor body = BallColour(code);
    PaintShadedBody(painter, body);
    PaintRimLight(painter, body);
    // Under the gloss, so that the symbol reads as printed on the ball.
    if (marking == TBallMarking::Symbols) PaintBallSymbol(painter, code);
    PaintGloss(painter);
  }
  painter.restore();
}
