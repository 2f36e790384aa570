// Bevelled panels and the bevel box, painted by hand so that they look the same under every style.
#include "Bevels.h"

#include <QPainter>

#include "WindowZoom.h"

void DrawBevel(QPainter& painter, const QRect& rect, TBevelCut cut, const QPalette& palette, int width) {
  if (cut == TBevelCut::None) return;
  const QColor light = palette.color(QPalette::Light);
  const QColor dark = palette.color(QPalette::Dark);
  const QColor topLeft = cut == TBevelCut::Lowered ? dark : light;
  const QColor bottomRight = cut == TBevelCut::Lowered ? light : dark;
  // A wider bevel is nested one-pixel frames, each drawn as the classic one is.
  for (QRect edge = rect; width > 0; --width, edge.adjust(1, 1, -1, -1)) {
    painter.setPen(topLeft);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
  }
}

TBevelPanel::TBevelPanel(QWidget* parent, TBevelCut outer, TBevelCut inner, QColor color)
    : QWidget(parent), OuterCut(outer), InnerCut(inner), FillColor(color) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBevelPanel::SetLook(TBevelCut outer, TBevelCut inner, QColor color) {
  OuterCut = outer;
  InnerCut = inner;
  FillColor = color;
  update();
}

void TBevelPanel::SetCaption(const QString& caption) {
  CaptionText = caption;
  update();
}

void TBevelPanel::SetCaptionColor(QColor color) {
  CaptionColor = color;
  update();
}

QRect TBevelPanel::ClientArea() const {
  const int inset = ((OuterCut != TBevelCut::None) + (InnerCut != TBevelCut::None)) * BevelWidth(WindowZoom(*this));
  return rect().adjusted(inset, inset, -inset, -inset);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), FillColor);
  const int width = BevelWidth(WindowZoom(*this));
  QRect edge = rect();
  DrawBevel(painter, edge, OuterCut, palette(), width);
  if (OuterCut != TBevelCut::None) edge.adjust(width, width, -width, -width);
  DrawBevel(painter, edge, InnerCut, palette(), width);
  if (!CaptionText.isEmpty()) {
    painter.setPen(CaptionColor);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, CaptionText);
  }
}

TBevel::TBevel(QWidget* parent, TBevelCut cut) : QWidget(parent), BoxCut(cut) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawBevel(painter, rect(), BoxCut, palette(), BevelWidth(WindowZoom(*this)));
}
