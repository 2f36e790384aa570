// The image control's drawing and click.
#include "ImageControl.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

#include "WindowZoom.h"

TImageControl::TImageControl(QWidget* parent) : QWidget(parent) {}

void TImageControl::SetPicture(const QPixmap& picture) {
  Assigned = picture;
  PrepareShown();
  update();
}

void TImageControl::SetStretch(bool stretch) {
  Stretch = stretch;
  PrepareShown();
  update();
}

void TImageControl::SetHighlight(bool highlight) {
  if (Highlight == highlight) return;
  Highlight = highlight;
  update();
}

void TImageControl::SetTransparent(bool transparent) {
  Transparent = transparent;
  setAttribute(Qt::WA_NoSystemBackground, transparent);
  PrepareShown();
  update();
}

void TImageControl::PrepareShown() {
  Shown = Assigned;
  if (Shown.isNull()) return;
  if (Transparent) {
    const QImage image = Shown.toImage();
    const QColor key = image.pixelColor(0, image.height() - 1);
    Shown.setMask(QBitmap::fromImage(image.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
  }
  // A picture of a higher pixel ratio is stretched to the control's size in its own finer pixels.
  const qreal ratio = Shown.devicePixelRatio();
  const QSize target = size() * ratio;
  if (Stretch && Shown.size() != target) {
    Shown = Shown.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Shown.setDevicePixelRatio(ratio);
  }
}

void TImageControl::paintEvent(QPaintEvent*) {
  if (Shown.isNull() && !Highlight) return;
  QPainter painter(this);
  if (!Shown.isNull()) painter.drawPixmap(0, 0, Shown);
  if (Highlight) {
    const int width = BevelWidth(WindowZoom(*this)) * 2;
    const QColor colour = palette().color(QPalette::Highlight);
    const QRect area = rect();
    painter.fillRect(area.left(), area.top(), area.width(), width, colour);
    painter.fillRect(area.left(), area.bottom() - width + 1, area.width(), width, colour);
    painter.fillRect(area.left(), area.top(), width, area.height(), colour);
    painter.fillRect(area.right() - width + 1, area.top(), width, area.height(), colour);
  }
}

void TImageControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (Stretch) PrepareShown();
}

void TImageControl::mousePressEvent(QMouseEvent* event) {
  Pressed = event->button() == Qt::LeftButton;
  event->setAccepted(Pressed);
}

void TImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  Pressed = false;
  if (click && OnClick) OnClick(*this);
}
