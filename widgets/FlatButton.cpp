// The flat button's painting.
#include "FlatButton.h"

#include <QPainter>

#include "Bevels.h"
#include "WindowZoom.h"

TFlatButton::TFlatButton(QWidget* parent, const QString& caption, int tag)
    : QAbstractButton(parent), ButtonTag(tag) {
  // setText also registers the Alt accelerator of the ampersand's letter.
  setText(caption);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void TFlatButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int width = BevelWidth(WindowZoom(*this));
  if (isEnabled() && (underMouse() || isDown()))
    DrawBevel(painter, rect(), isDown() ? TBevelCut::Lowered : TBevelCut::Raised, palette(), width);
  QRect textArea = rect();
  if (isDown()) textArea.translate(width, width);
  painter.setFont(font());
  if (!isEnabled()) {
    // The disabled caption is engraved: a light copy one bevel down and right under a grey one.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(textArea.translated(width, width), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void TFlatButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  update();
}

void TFlatButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  update();
}
