// The group box's frame and caption.
#include "GroupBox.h"

#include <QPainter>

void TGroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  // The etched line: a dark rectangle with a light one one pixel further right and down.
  const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(frame);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));

  const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
  painter.fillRect(caption, palette().color(QPalette::Window));
  if (!isEnabled()) {
    // Greyed captions are engraved, as the flat buttons' are.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(caption.translated(1, 1), Qt::AlignCenter, title());
  }
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(caption, Qt::AlignCenter, title());
}
