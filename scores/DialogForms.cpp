// The dialog forms' font and placement.
#include "DialogForms.h"

#include <QScreen>

QFont ArialFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void CenterOnScreen(QWidget& form) {
  const QScreen* screen = form.screen();
  if (screen == nullptr) return;
  // Before the first show the frame is not known yet; the client area stands in for it.
  const QRect frame = form.frameGeometry();
  const QPoint centre = screen->availableGeometry().center();
  form.move(centre.x() - frame.width() / 2, centre.y() - frame.height() / 2);
}
