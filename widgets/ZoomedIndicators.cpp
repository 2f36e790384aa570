// A style over the application's own that scales check and radio marks and slider handles by the window's
// zoom step.
#include "ZoomedIndicators.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOption>

#include "WindowZoom.h"

namespace {

// The step of the window being drawn. Some of the style's own questions name no control but carry
// the option, which knows the control it was taken from.
double ZoomOf(const QStyleOption* option, const QWidget* widget) {
  if (widget == nullptr && option != nullptr) widget = qobject_cast<const QWidget*>(option->styleObject);
  return widget == nullptr ? 1.0 : WindowZoom(*widget);
}

class TZoomedIndicatorStyle : public QProxyStyle {
 public:
  // A fresh instance of the application's style, so that at the classic step nothing differs.
  TZoomedIndicatorStyle() : QProxyStyle(QApplication::style()->name()) { setParent(qApp); }

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int classic = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing:
      case PM_SliderThickness:
      case PM_SliderControlThickness:
      case PM_SliderLength:
        return ZoomedLength(classic, ZoomOf(option, widget));
      default:
        return classic;
    }
  }

  // The classic mark magnified as a whole: the style's own drawing at a larger size would keep its
  // one-pixel frame and thin tick.
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    const double zoom = ZoomOf(option, widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if ((element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) || button == nullptr || zoom == 1.0) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    QStyleOptionButton classic = *button;
    painter->save();
    painter->translate(option->rect.topLeft());
    painter->scale(zoom, zoom);
    classic.rect = QRect(0, 0, qRound(option->rect.width() / zoom), qRound(option->rect.height() / zoom));
    QProxyStyle::drawPrimitive(element, &classic, painter, widget);
    painter->restore();
  }
};

}  // namespace

void ZoomIndicator(QWidget& control) {
  if (qobject_cast<QCheckBox*>(&control) == nullptr && qobject_cast<QRadioButton*>(&control) == nullptr &&
      qobject_cast<QSlider*>(&control) == nullptr)
    return;
  static auto* const style = new TZoomedIndicatorStyle;
  if (control.style() != style) control.setStyle(style);
}
