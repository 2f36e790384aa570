// The game-over sign: the board dimmed, a band across its middle, and two lines of text.
#include "GameOverBoard.h"

#include <QPainter>

TGameOverBoard::TGameOverBoard(QWidget* board) : QWidget(board) {
  setObjectName(QStringLiteral("GameOver"));
  // A click passes to the cell beneath, where it starts the next game as it always has.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TGameOverBoard::Show(std::uint16_t score) {
  FinalScore = score;
  setGeometry(parentWidget()->rect());
  raise();
  show();
  update();
}

void TGameOverBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // The balls stay visible beneath, darkened, so the final position can still be read.
  painter.fillRect(rect(), QColor(0, 0, 0, 110));
  const QRect band(0, height() / 2 - 60, width(), 120);
  painter.fillRect(band, QColor(0, 0, 0, 190));
  painter.setPen(Qt::white);
  painter.drawLine(band.topLeft(), band.topRight());
  painter.drawLine(band.bottomLeft(), band.bottomRight());

  QFont title = font();
  title.setPixelSize(40);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(band.adjusted(0, 8, 0, -band.height() / 2), Qt::AlignCenter, tr("Game over"));
  QFont score = font();
  score.setPixelSize(26);
  score.setBold(true);
  painter.setFont(score);
  // The light blue of the score display.
  painter.setPen(QColor(128, 128, 255));
  painter.drawText(band.adjusted(0, band.height() / 2, 0, -8), Qt::AlignCenter,
                   tr("Score: %1").arg(FinalScore));
}
