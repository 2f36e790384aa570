// Paints the start picture: night-blue backdrop, golden title, a board in mid-game and a call to click.
#include "StartPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

#include "ArtScale.h"
#include "BallArt.h"

namespace {

constexpr int CellSize = 28;
constexpr int BoardCells = 9;
constexpr int BoardLeft = (StartPictureWidth - CellSize * BoardCells) / 2;
constexpr int BoardTop = 118;
constexpr QColor NightBlue(2, 3, 12);

// A position in mid-game: four reds waiting for a fifth on the diagonal, a blue row, a joker and a bomb.
constexpr std::array<const char*, BoardCells> Layout = {
    "2...5..7.",
    ".2....4..",
    "..2..6...",
    "1..2....3",
    ".....8...",
    "44.44..5.",
    "..7....1.",
    ".6..9..3.",
    "3...5...6",
};

void PaintBackdrop(QPainter& painter) {
  QLinearGradient sky(QPointF(0, 0), QPointF(0, StartPictureHeight));
  sky.setColorAt(0.0, QColor(16, 22, 58));
  sky.setColorAt(1.0, NightBlue);
  painter.fillRect(QRect(0, 0, StartPictureWidth, StartPictureHeight), sky);
  QRadialGradient glow(QPointF(StartPictureWidth / 2.0, 60), 230);
  glow.setColorAt(0.0, QColor(90, 110, 220, 90));
  glow.setColorAt(1.0, QColor(90, 110, 220, 0));
  painter.fillRect(QRect(0, 0, StartPictureWidth, StartPictureHeight), glow);
}

QPainterPath CentredText(const QString& text, const QFont& font, double centreX, double baseline) {
  QPainterPath path;
  path.addText(0, baseline, font, text);
  path.translate(centreX - path.boundingRect().center().x(), 0);
  return path;
}

void PaintTitle(QPainter& painter) {
  QFont font("Liberation Serif", 10, QFont::Bold, true);
  font.setPixelSize(70);
  const QPainterPath title = CentredText("Brindlow", font, StartPictureWidth / 2.0, 86);
  painter.fillPath(title.translated(3, 4), QColor(0, 0, 0, 160));
  QLinearGradient gold(QPointF(0, 30), QPointF(0, 90));
  gold.setColorAt(0.0, QColor(255, 244, 170));
  gold.setColorAt(0.5, QColor(250, 190, 50));
  gold.setColorAt(1.0, QColor(200, 110, 20));
  painter.setPen(QPen(QColor(70, 30, 0), 2.0));
  painter.setBrush(gold);
  painter.drawPath(title);

  PaintBall(painter, 4, QRectF(26, 40, 38, 38));
  PaintBall(painter, 8, QRectF(StartPictureWidth - 64, 40, 38, 38));
}

void PaintBoard(QPainter& painter) {
  const QRect frame(BoardLeft - 6, BoardTop - 6, CellSize * BoardCells + 12, CellSize * BoardCells + 12);
  painter.setPen(QPen(QColor(120, 130, 170), 2));
  painter.setBrush(QColor(40, 44, 70));
  painter.drawRoundedRect(frame, 6, 6);
  for (int row = 0; row < BoardCells; ++row) {
    for (int column = 0; column < BoardCells; ++column) {
      const QRect cell(BoardLeft + column * CellSize, BoardTop + row * CellSize, CellSize, CellSize);
      painter.fillRect(cell, QColor(90, 96, 120));
      painter.fillRect(cell.adjusted(1, 1, 0, 0), QColor(20, 22, 34));
      painter.fillRect(cell.adjusted(1, 1, -1, -1), Qt::black);
      const char symbol = Layout[static_cast<std::size_t>(row)][column];
      if (symbol != '.') PaintBall(painter, symbol - '0', QRectF(cell).adjusted(2.5, 2.5, -2.5, -2.5));
    }
  }
  // The empty end of the red diagonal glows, showing where the winning move goes.
  const QRectF target(BoardLeft + 4 * CellSize, BoardTop + 4 * CellSize, CellSize, CellSize);
  painter.setPen(QPen(QColor(255, 220, 90, 200), 1.5, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(target.adjusted(4, 4, -4, -4));
}

void PaintInvitation(QPainter& painter, const QString& invitation) {
  const QRectF pill(StartPictureWidth / 2.0 - 110, 392, 220, 38);
  QLinearGradient face(pill.topLeft(), pill.bottomLeft());
  face.setColorAt(0.0, QColor(70, 200, 110));
  face.setColorAt(1.0, QColor(20, 110, 50));
  painter.setPen(QPen(QColor(200, 255, 210), 1.5));
  painter.setBrush(face);
  painter.drawRoundedRect(pill, 19, 19);
  QFont font("Liberation Sans", 10, QFont::Bold);
  font.setPixelSize(20);
  const QPainterPath text = CentredText(invitation, font, pill.center().x(), pill.bottom() - 12);
  painter.fillPath(text.translated(1, 1), QColor(0, 50, 10));
  painter.fillPath(text, Qt::white);
}

}  // namespace

QImage RenderStartPicture(double scale, const QString& invitation) {
  // Painted in picture units on an image of that pixel ratio, so every scale shows the same layout.
  QImage image = ScaledCanvas(StartPictureWidth, StartPictureHeight, scale, QImage::Format_RGB32);
  // A height rounded up to a whole pixel leaves a sliver below the backdrop: it takes the backdrop's
  // darkest blue.
  image.fill(NightBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintBackdrop(painter);
  PaintTitle(painter);
  PaintBoard(painter);
  PaintInvitation(painter, invitation);
  return image;
}
