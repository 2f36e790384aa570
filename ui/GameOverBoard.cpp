// The game-over sign: the board dimmed, a band across its middle, and two lines of text.
#include "GameOverBoard.h"

#include <QPainter>

#include "WindowZoom.h"

TGameOverBoard::TGameOverBoard(QWidget* board) : QWidget(board) {
  setObjectName(QStringLiteral("GameOver"));
  // A click passes to the cell beneath, where it starts the next game as it always has.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TGameOverBoard::Show(std::uint16_t score) {
  FinalScore = score;
  PlaceClassic(*this, QRect(QPoint(), ClassicPlace(*parentWidget()).size()));
  raise();
  show();
  update();
}

void TGameOverBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // The balls stay visible beneath, darkened, so the final position can still be read.
  painter.fillRect(rect(), QColor(0, 0, 0, 110));
  const double zoom = WindowZoom(*this);
  const QRect band(0, height() / 2 - ZoomedLength(60, zoom), width(), ZoomedLength(120, zoom));
  painter.fillRect(band, QColor(0, 0, 0, 190));
  painter.setPen(Qt::white);
  painter.drawLine(band.topLeft(), band.topRight());
  painter.drawLine(band.bottomLeft(), band.bottomRight());

  QFont title = font();
  title.setPixelSize(ZoomedLength(40, zoom));
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(band.adjusted(0, ZoomedLength(8, zoom), 0, -band.height() / 2), Qt::AlignCenter, tr("Game over"));
  QFont score = font();
  score.setPixelSize(ZoomedLength(26, zoom));
  score.setBold(true);
  painter.setFont(score);
  // The light blue of the score display.
  painter.setPen(QColor(128, 128, 255));
  painter.drawText(band.adjusted(0, band.height() / 2, 0, -ZoomedLength(8, zoom)), Qt::AlignCenter,
                   tr("Score: %1").arg(FinalScore));
}
