// Eight bands in four of the game's colours: half a turn brings the ball back to its first look, so 18 steps loop.
#include "IconArt.h"

#include <QConicalGradient>
#include <QPainter>
#include <array>
#include <cassert>

#include "BallArt.h"
#include "IconFile.h"

namespace {

constexpr double StepDegrees = 10.0;

void PaintBandedBall(QPainter& painter, double turn) {
  static const std::array<int, 4> Codes = {2, 5, 4, 7};  // red, yellow, blue, green
  QConicalGradient bands(QPointF(0, 0), turn);
  for (int band = 0; band < 8; ++band) {
    const QColor colour = BallColour(Codes[static_cast<std::size_t>(band % 4)]);
    bands.setColorAt(band / 8.0 + 0.004, colour);
    bands.setColorAt((band + 1) / 8.0 - 0.004, colour);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(bands);
  painter.drawEllipse(QRectF(-1, -1, 2, 2));
  painter.setBrush(QColor(255, 255, 255));
  painter.drawEllipse(QRectF(-0.2, -0.2, 0.4, 0.4));
  PaintSphereLighting(painter);
}

}  // namespace

QImage RenderIconFrame(int frame) { return RenderIcon(frame, IconSize); }

QImage RenderIcon(int frame, int size) {
  assert(frame >= 0 && frame < IconFrameCount);
  assert(size > 0);
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double margin = size / static_cast<double>(IconSize);
  EnterUnitSphere(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
  PaintBandedBall(painter, frame == 0 ? 0.0 : (frame - 1) * StepDegrees);
  return image;
}
