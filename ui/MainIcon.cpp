// The taskbar icon animation: it runs while the program is minimised and resumes where it stopped.
#include <QApplication>
#include <QEvent>

#include "MainWindow.h"

void TfrmLines::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const bool minimized = windowState().testFlag(Qt::WindowMinimized);
  if (minimized && !Minimized) FormMinimize();
  else if (!minimized && Minimized) FormRestore();
}

void TfrmLines::FormMinimize() {
  Minimized = true;
  if (!Closing) IconTimer.start();
}

void TfrmLines::FormRestore() {
  Minimized = false;
  IconTimer.stop();
  QApplication::setWindowIcon(IconFrames[0]);
}

void TfrmLines::IconTimerTimer() {
  if (IconTag > 18) IconTag = 1;
  if (Minimized) QApplication::setWindowIcon(IconFrames[IconTag]);
  ++IconTag;
}
