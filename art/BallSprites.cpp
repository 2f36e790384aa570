// The sprite poses: where the ball sits in its 36 × 36 cell for each frame, and how it cracks and shatters.
// Every layer is painted in cell units on an image whose pixel ratio is the scale, so a larger scale
// draws the same picture with finer pixels rather than enlarging the small one.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "ArtScale.h"
#include "BallArt.h"
#include "BallSymbols.h"

namespace {

// In cell units: the whole symbol over the shattered ball's flash is a little smaller than the flash.
constexpr double ShatteredSymbolRadius = 9;

QImage BlankSprite(double scale) {
  QImage image = ScaledCanvas(SpriteSize, SpriteSize, scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage OnBlack(const QImage& layer) {
  QImage sprite = ScaledCanvas(SpriteSize, SpriteSize, layer.devicePixelRatio(), QImage::Format_RGB32);
  sprite.fill(Qt::black);
  QPainter painter(&sprite);
  painter.drawImage(0, 0, layer);
  return sprite;
}

// The sphere's box in the cell for the poses that only place the ball.
QRectF PoseBox(TSpritePose pose) {
  switch (pose) {
    case TSpritePose::GrowSmall: return {12, 12, 12, 12};
    case TSpritePose::GrowLarge: return {7, 7, 22, 22};
    case TSpritePose::Squashed: return {1.5, 11, 33, 24};    // flattened on landing
    case TSpritePose::Raised: return {5.5, 0.5, 25, 29};     // lifted and stretched upwards
    default: return {3, 3, 30, 30};
  }
}

QImage BallLayer(int code, const QRectF& box, double scale, TBallMarking marking) {
  QImage layer = BlankSprite(scale);
  QPainter painter(&layer);
  PaintBall(painter, code, box, marking);
  return layer;
}

// Jagged cracks running out from a point left of the centre, each with a lit lower lip.
void PaintCracks(QPainter& painter) {
  static const std::array<std::array<QPointF, 4>, 4> Cracks = {{
      {QPointF(16, 17), QPointF(12, 13), QPointF(10, 8), QPointF(6, 6)},
      {QPointF(16, 17), QPointF(21, 15), QPointF(24, 10), QPointF(29, 9)},
      {QPointF(16, 17), QPointF(19, 22), QPointF(17, 26), QPointF(20, 31)},
      {QPointF(16, 17), QPointF(11, 21), QPointF(7, 20), QPointF(5, 24)},
  }};
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  for (const auto& crack : Cracks) {
    QPainterPath path(crack[0]);
    for (std::size_t i = 1; i < crack.size(); ++i) path.lineTo(crack[i]);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(0.7, 0.8));
    painter.setPen(QPen(QColor(0, 0, 0, 230), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
  }
}

QImage CrackedLayer(int code, double scale, TBallMarking marking) {
  QImage layer = BallLayer(code, PoseBox(TSpritePose::Rest), scale, marking);
  QPainter painter(&layer);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  painter.fillRect(QRect(0, 0, SpriteSize, SpriteSize), QColor(0, 0, 0, 40));
  PaintCracks(painter);
  return layer;
}

// Cuts the cracked ball into wedges that shrink, turn and fly apart from a pale flash at the centre.
QImage ShatteredLayer(int code, double scale, TBallMarking marking) {
  const QImage whole = CrackedLayer(code, scale, marking);
  QImage layer = BlankSprite(scale);
  QPainter painter(&layer);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QColor glitter = code <= 7 ? BallColour(code).lighter(150) : QColor(255, 230, 150);
  const QPointF centre(18, 18);
  QRadialGradient flash(centre, 8);
  flash.setColorAt(0.0, QColor(255, 255, 255, 120));
  flash.setColorAt(0.5, QColor(glitter.red(), glitter.green(), glitter.blue(), 70));
  flash.setColorAt(1.0, QColor(0, 0, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(flash);
  painter.drawEllipse(centre, 8, 8);

  static const std::array<double, 6> Cuts = {10, 68, 131, 187, 244, 302};
  for (std::size_t i = 0; i < Cuts.size(); ++i) {
    const double from = Cuts[i] * std::numbers::pi / 180;
    const double to = (i + 1 < Cuts.size() ? Cuts[i + 1] : Cuts[0] + 360.0) * std::numbers::pi / 180;
    const double middle = (from + to) / 2;
    QPolygonF wedge;
    wedge << centre;
    for (int step = 0; step <= 4; ++step) {
      const double angle = from + (to - from) * step / 4;
      wedge << centre + QPointF(17 * std::cos(angle), 17 * std::sin(angle));
    }
    const QPointF shardCentre = centre + QPointF(10 * std::cos(middle), 10 * std::sin(middle));
    painter.save();
    painter.translate(shardCentre + QPointF(4 * std::cos(middle), 4 * std::sin(middle)));
    painter.rotate(i % 2 == 0 ? 22 : -18);
    painter.scale(0.62, 0.62);
    painter.translate(-shardCentre);
    QPainterPath clip;
    clip.addPolygon(wedge);
    painter.setClipPath(clip);
    painter.drawImage(0, 0, whole);
    painter.restore();
  }
  static const std::array<QPointF, 8> Specks = {QPointF(18, 2),  QPointF(34, 15), QPointF(31, 32), QPointF(5, 33),
                                                QPointF(2, 12),  QPointF(18, 18), QPointF(9, 20),  QPointF(27, 4)};
  for (std::size_t i = 0; i < Specks.size(); ++i) {
    painter.setBrush(i % 2 == 0 ? QColor(255, 255, 255, 220) : glitter);
    painter.drawEllipse(Specks[i], 0.9, 0.9);
  }
  // The symbol stays whole in the heart of the flash, so the colour that vanished can still be told.
  if (marking == TBallMarking::Symbols && code <= 7) {
    painter.translate(centre);
    painter.scale(ShatteredSymbolRadius, ShatteredSymbolRadius);
    PaintBallSymbol(painter, code);
  }
  return layer;
}

}  // namespace

QImage RenderBallSprite(TSpritePose pose, int code, double scale, TBallMarking marking) {
  switch (pose) {
    case TSpritePose::Cracked: return OnBlack(CrackedLayer(code, scale, marking));
    case TSpritePose::Shattered: return OnBlack(ShatteredLayer(code, scale, marking));
    default: return OnBlack(BallLayer(code, PoseBox(pose), scale, marking));
  }
}

QImage RenderPlaceholderSprite(double scale) {
  QImage image = ScaledCanvas(SpriteSize, SpriteSize, scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(48, 48, 48), 1.5));
  painter.setBrush(QColor(16, 16, 16));
  painter.drawEllipse(QRectF(4, 4, 28, 28));
  return image;
}
