// Keeps each control's classic place and font on the control itself, so a window can go to any step and
// back without drift.
#include "WindowZoom.h"

#include <QFont>
#include <QLocale>
#include <QVariant>
#include <QWidget>

#include <cassert>
#include <cmath>

#include "ZoomedIndicators.h"

namespace {

constexpr const char* ZoomProperty = "brindlowZoom";
constexpr const char* PlaceProperty = "brindlowClassicPlace";
constexpr const char* FontProperty = "brindlowClassicFont";

void Remember(QWidget& control) {
  control.setProperty(PlaceProperty, control.geometry());
  // Only fonts set on the control itself: the others follow their parent's.
  if (control.testAttribute(Qt::WA_SetFont)) control.setProperty(FontProperty, control.font());
}

QFont ZoomedFont(QFont font, double zoom) {
  if (font.pixelSize() > 0) font.setPixelSize(ZoomedLength(font.pixelSize(), zoom));
  else font.setPointSizeF(font.pointSizeF() * zoom);
  return font;
}

void Apply(QWidget& control, double zoom) {
  control.setGeometry(ZoomedRect(control.property(PlaceProperty).toRect(), zoom));
  const QVariant font = control.property(FontProperty);
  if (font.isValid()) control.setFont(ZoomedFont(font.value<QFont>(), zoom));
}

}  // namespace

QString ZoomStepCaption(double zoom) { return QLocale().toString(zoom) + QChar(0x00D7); }

int ZoomedLength(int length, double zoom) { return static_cast<int>(std::floor(length * zoom + 0.5)); }

QRect ZoomedRect(const QRect& classic, double zoom) {
  const int left = ZoomedLength(classic.left(), zoom);
  const int top = ZoomedLength(classic.top(), zoom);
  return {left, top, ZoomedLength(classic.left() + classic.width(), zoom) - left,
          ZoomedLength(classic.top() + classic.height(), zoom) - top};
}

int BevelWidth(double zoom) { return std::max(1, static_cast<int>(std::floor(zoom))); }

double WindowZoom(const QWidget& control) {
  const QVariant zoom = control.window()->property(ZoomProperty);
  return zoom.isValid() ? zoom.toDouble() : 1.0;
}

void ZoomWindow(QWidget& window, double zoom) {
  assert(window.isWindow());
  // A window's own dialogs and menus are windows of their own, each zoomed by itself.
  QList<QWidget*> controls = window.findChildren<QWidget*>();
  controls.removeIf([&window](const QWidget* control) { return control->window() != &window; });
  if (!window.property(ZoomProperty).isValid()) {
    window.setProperty(PlaceProperty, QRect(QPoint(), window.size()));
    if (window.testAttribute(Qt::WA_SetFont)) window.setProperty(FontProperty, window.font());
    for (QWidget* control : controls) Remember(*control);
  }
  window.setProperty(ZoomProperty, zoom);
  const QVariant font = window.property(FontProperty);
  if (font.isValid()) window.setFont(ZoomedFont(font.value<QFont>(), zoom));
  window.setFixedSize(ZoomedRect(window.property(PlaceProperty).toRect(), zoom).size());
  // Parents before children: findChildren lists them in that order.
  for (QWidget* control : controls) {
    if (control->property(PlaceProperty).isValid()) Apply(*control, zoom);
    // At the classic step the marks are the application style's own, untouched.
    if (zoom != 1.0) ZoomIndicator(*control);
  }
  window.update();
}

void PlaceClassic(QWidget& control, const QRect& classic) {
  control.setProperty(PlaceProperty, classic);
  control.setGeometry(ZoomedRect(classic, WindowZoom(control)));
}

QRect ClassicPlace(const QWidget& control) { return control.property(PlaceProperty).toRect(); }

double FittingZoom(int classicHeight, int availableHeight) {
  double fitting = ZoomSteps.front();
  for (double step : ZoomSteps)
    if (ZoomedLength(classicHeight, step) * 2 <= availableHeight) fitting = step;
  return fitting;
}
